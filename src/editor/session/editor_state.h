// Plain data the editor's areas share with the GUI: enumerations of the controls, the spread
// dialog's values, the window settings and the change bits the listener hears. Each area model
// keeps its own controls' values in its state struct; the GUI only reads them.
// Arrays indexed by category are OneBased, so category numbers index directly.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/session/file_folders.h"
#include "editor/session/offset.h"
#include "library/categories.h"

namespace kelvo {

constexpr int kPreviewCount = 4;

enum class MouseMode { Components, SnapPoints };
enum class MouseButton { Left, Right, Middle };
enum class SpreadDirection { Up, Right, Down, Left };  // clockwise, the order of the cycle

// RGKomp items.
enum ComponentFilter : int { kWithoutAnimations = 0, kOnlyAnimations = 1, kAnimationSteps = 2 };

// A command that cannot go on ("A sakra", "TMainForm.SEDefRozXChange: index=0").
class EditorError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct StepOwner {
  std::string Name;  // the owning component's name, empty when none was found
  int Step = 0;      // how many lines below its owner the clicked line is
};

// The full-size preview's drag: last and press point in image pixels, and the button.
struct DragState {
  Offset Last;
  Offset Press;
  MouseButton Button = MouseButton::Left;
};

struct CheckBoxState {
  bool Checked = false;
  bool Enabled = true;
};

// The spread limits dialog: caption, the four limit edits and the direction buttons.
struct SpreadDialogState {
  std::string Caption = "Spread";
  int Up = 0;
  int Down = 0;
  int Left = 0;
  int Right = 0;
  SpreadDirection Direction = SpreadDirection::Up;
};

// Per-user window settings as the GUI stores them; a missing value is empty.
struct PreviewSettings {
  std::optional<int> X;
  std::optional<int> Y;
  std::optional<bool> Visible;
};
struct EditorSettings {
  bool KeyExists = false;
  std::optional<std::string> SrcPath;
  std::optional<int> MainWinX;
  std::optional<int> MainWinY;
  std::optional<std::string> LoadDirectory;
  std::optional<std::string> SaveDirectory;
  std::array<PreviewSettings, kPreviewCount> Previews;  // windows 1..4 at 0..3
  std::optional<bool> DockPreviews;                     // the user's View > "Dock previews"
  FileFolders Folders;                                  // empty where none is stored
};

// What changed since the last notification; the GUI redraws or refills only these parts.
enum EditorChange : unsigned {
  kChangeFullImage = 1u << 0,      // preview 1
  kChangeReducedImages = 1u << 1,  // previews 2..4
  kChangePreviewVisibility = 1u << 2,
  kChangeCaption = 1u << 3,
  kChangeCategory = 1u << 4,       // current category, lock and hide boxes
  kChangeComponentList = 1u << 5,  // filter items, lines, selected line, animation buttons
  kChangeValues = 1u << 6,         // frequency, shift, span, default span, span controls
  kChangeSnapPoints = 1u << 7,     // snap list, point edits, snap options, mouse mode, spread
  kChangeClipBoxes = 1u << 8,
  kChangeSignature = 1u << 9,
  kChangeSpreadDialog = 1u << 10,
  kChangeStatus = 1u << 11,   // the status bar's message
  kChangeHistory = 1u << 12,  // the undo history: its steps, position and clean mark
  kChangeAll = (1u << 13) - 1,
};

class EditorListener {
 public:
  virtual ~EditorListener() = default;
  // Called once at the end of each model command with the EditorChange bits it set.
  virtual void EditorChanged(unsigned changes) = 0;
};

}  // namespace kelvo
