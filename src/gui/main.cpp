// kelvoed: the editor program. An optional argument names a gallery file to open.
#include <QApplication>
#include <QStringList>
#include <iostream>
#include <string>
#include <vector>

#include "gui/editor_app.h"
#include "gui/qt_prompter.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("KelvoEd");
  std::vector<std::string> args;
  for (const QString& arg : QApplication::arguments())
    args.push_back(arg.toLocal8Bit().toStdString());
  kelvo::EditorAppOptions options;
  std::string error;
  if (!kelvo::ParseEditorArguments(args, options, error)) {
    std::cerr << error << "\n";
    return 2;
  }
  kelvo::QtPrompter prompter;
  return kelvo::RunEditor(prompter, options);
}
