// kelvoed: the editor program. Reads no arguments.
#include <QApplication>

#include "gui/editor_app.h"
#include "gui/qt_prompter.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("KelvoEd");
  kelvo::QtPrompter prompter;
  return kelvo::RunEditor(prompter);
}
