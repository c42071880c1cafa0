// The properties dialog without the window: five values 0..100 named after the properties,
// each row's track bar and spin edit showing the same value. A caller opens it with the values
// and a store action; the values reach the caller only through "&Apply". Two callers: the main
// window's "&Properties" (the selected component) and the colours dialog (a colour entry).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "editor/session/editor_session.h"
#include "library/categories.h"

namespace kelvo {

inline constexpr int kPropertyMin = 0;
inline constexpr int kPropertyMax = 100;

struct PropertiesDialogState {
  std::string Caption = "Properties";
  OneBased<std::string, kPropertyCount> Labels;  // by row
  OneBased<int32_t, kPropertyCount> Values{};    // track bar and spin edit of each row
  bool Shown = false;
};

class PropertiesDialogModel : private SessionObserver {
 public:
  using PropertyValues = OneBased<int32_t, kPropertyCount>;
  using StoreAction = std::function<void(const PropertyValues&)>;

  explicit PropertiesDialogModel(EditorSession& session);
  ~PropertiesDialogModel() override;
  PropertiesDialogModel(const PropertiesDialogModel&) = delete;
  PropertiesDialogModel& operator=(const PropertiesDialogModel&) = delete;

  const PropertiesDialogState& State() const { return state_; }
  PropertyValues Values() const;

  void Open(const std::string& caption, const PropertyValues& values, StoreAction store);
  // The main window's "&Properties": opens for the selected component of the current
  // category; false when there is none.
  bool OpenForSelectedComponent();

  void VlastMinBClick(int row);
  void VlastMaxBClick(int row);
  void VlastTBarChange(int row, int position);
  void VlastSEdChange(int row, int value);
  void BtnUseClick();     // "&Apply": the caller stores the values
  void BtnCancelClick();  // "Cancel" and every other way of closing

 private:
  void OnSessionEvent(SessionEvent event) override;
  void SetRow(int row, int value);

  EditorSession& session_;
  PropertiesDialogState state_;
  StoreAction store_;
};

}  // namespace kelvo
