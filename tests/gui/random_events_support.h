// What the random-event test needs besides its stream: a prompter that answers every question
// at random, and the checks of the editor's state after each event.
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "editor/session/preview_images.h"
#include "editor/session/prompter.h"

namespace kelvo {
class TKelvoTyp;
}  // namespace kelvo

namespace kelvo::test {

// Every answer drawn from `random`: a button the box offers, a file among those given and those
// the run wrote, a new name in `folder`, or a cancel. Each answer is logged.
class RandomPrompter : public Prompter {
 public:
  MessageAnswer Message(MessageKind kind, const std::string& caption, const std::string& text,
                        MessageButtons buttons) override;
  std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseDirectory(const std::string& title,
                                             const std::string& initialDir) override;
  std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override;
  std::optional<std::string> InputText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override;

  std::mt19937* random = nullptr;
  std::function<void(const std::string&)> log;
  std::string folder;                    // new files go here
  std::vector<std::string> open_files;   // bitmaps, galleries, broken and missing files
  std::vector<std::string> directories;  // for the folder dialog
  std::vector<std::string> written;      // names the save dialog gave

 private:
  int Below(int n);
  int saved_ = 0;
};

// The visible windows but popups and tool tips, in an order of their names (the application
// keeps them in a hash), so that a seed gives one stream.
std::vector<QWidget*> OpenWindows();
// The windows a user can reach now: the modal dialog, else every open window.
std::vector<QWidget*> ReachableWindows();
// The point lies in the available area of a screen.
bool OnSomeScreen(const QPoint& point);
// The object's name (its class when it has none) and its window's, for the event log.
std::string Describe(const QObject* object);
// The preview's picture equals the model's picture for its window.
bool SameImage(const QImage& shown, const ImageView& model);
// Every component's data, one line each, to compare a library before and after.
std::string LibraryFingerprint(const TKelvoTyp& library);
// The first line in which two fingerprints differ, both versions.
std::string FirstDifference(const std::string& before, const std::string& after);

}  // namespace kelvo::test
