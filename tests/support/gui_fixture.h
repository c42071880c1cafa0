// The GUI tests' fixture: a settings folder of its own, the window libraries "male" and
// "female" under its data folder, and the editor started as the program does (process context,
// model, main window) on the offscreen platform.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "foundation/diagnostics.h"
#include "gui/main_window/main_form.h"
#include "library/process_context.h"
#include "support/fake_prompter.h"
#include "support/test_libraries.h"

namespace kelvo::test {

// Points the per-user settings at a fresh folder for the lifetime of the object.
class SettingsFolder {
 public:
  SettingsFolder() {
    qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  }
  QString Path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

class MainWindowFixture : public ::testing::Test {
 protected:
  MainWindowFixture() : data_(std::filesystem::path(folder_.Path().toStdString()) / "data") {
    WriteWindowLibrary(data_ / "male");
    WriteWindowLibrary(data_ / "female");
  }
  ~MainWindowFixture() override { Stop(); }

  ProcessOptions Options() const {
    ProcessOptions options;
    options.program_dir = folder_.Path().toStdString() + "/";
    options.data_base = data_.string();
    options.computer_name = "TEST";
    return options;
  }

  // Starts the editor and shows the main window; false when start-up failed.
  bool Start() {
    context_ = std::make_unique<ProcessContext>(sink_, Options());
    model_ = std::make_unique<EditorModel>(*context_, prompter_);
    form_ = std::make_unique<TMainForm>(*model_, prompter_);
    if (!form_->StartUp()) return false;
    form_->show();
    QApplication::processEvents();
    return true;
  }

  void Stop() {
    form_.reset();
    model_.reset();
    context_.reset();
  }

  template <typename T = QWidget>
  T* Find(const QString& name) const {
    T* widget = form_->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }

  QStringList Lines(const QString& list) const {
    QStringList lines;
    auto* widget = Find<QListWidget>(list);
    for (int i = 0; i < widget->count(); ++i) lines << widget->item(i)->text();
    return lines;
  }

  SettingsFolder folder_;
  std::filesystem::path data_;
  CollectingSink sink_;
  FakePrompter prompter_;
  std::unique_ptr<ProcessContext> context_;
  std::unique_ptr<EditorModel> model_;
  std::unique_ptr<TMainForm> form_;
};

}  // namespace kelvo::test
