#include "gui/dialogs/colours_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "gui/dialogs/properties_dialog.h"
#include "gui/dialogs/swatch_image.h"
#include "gui/main_window/named_widget.h"
#include "gui/message_box_sink.h"
#include "gui/text_codec.h"
#include "gui/window_geometry.h"

namespace kelvo {

using namespace colours_layout;

namespace {

constexpr int kStripHeight = 88;  // PanVolba: tabs and lock boxes
constexpr int kPanelWidth = 132;  // PanEditColor
constexpr int kImageHeight = 340;

QSpinBox* SpinEdit(QWidget* parent, const char* name, int min, int max) {
  auto* spin = Named(new QSpinBox(parent), name);
  spin->setRange(min, max);
  spin->setKeyboardTracking(false);
  return spin;
}

}  // namespace

TFBarvy::TFBarvy(EditorSession& session, TFVlast& properties, QWidget* owner)
    : QWidget(owner, Qt::Dialog), session_(session), properties_(properties), model_(session) {
  setObjectName("FBarvy");
  PlaceWhenShown(this);
  setWindowTitle("Colors");
  const int width = kTypeCount * kTabWidth;
  auto* strip = Named(new QWidget(this), "PanVolba");
  strip->setGeometry(0, 0, width, kStripHeight);
  CreateTabs(strip);
  auto* panel = Named(new QFrame(this), "PanEditColor");
  panel->setGeometry(0, kStripHeight, kPanelWidth, kImageHeight + 8);
  CreateEditPanel(panel);
  image_ = new TSwatchImage(model_, this);
  image_->setGeometry(kPanelWidth + 4, kStripHeight + 4, width - kPanelWidth - 8, kImageHeight);
  image_->OnClick = [this](int x, int y) { Run([&] { model_.ImSeznamClick(x, y); }); };
  image_->OnArrow = [this](SwatchKey key) { Run([&] { model_.SwatchKeyPress(key); }); };
  image_->OnDelete = [this] { Run([&] { model_.ButSmazatClick(); }); };
  image_->OnResize = [this](int w, int h) {
    model_.SetImageSize(w, h);
    image_->update();
  };
  model_.SetImageSize(image_->width(), image_->height());
  model_.SetChangedCallback([this] { ShowState(); });
  setFixedSize(width, kStripHeight + kImageHeight + 8);
  ShowState();
}

void TFBarvy::CreateTabs(QWidget* strip) {
  // The hidden template the tabs copy, under its design names.
  auto* pattern = Named(new TClickPanel(strip), "PanVzor");
  pattern->setGeometry(0, -2, kTabWidth, kTabHeight);
  Named(new QLabel(pattern), "LabVzor");
  Named(new TPreviewStrip(model_.State().Tabs[0], pattern), "ImVzor");
  pattern->hide();
  for (int t = 1; t <= kTypeCount; ++t) {
    const QString n = QString::number(t);
    Tab& tab = tabs_[static_cast<size_t>(t)];
    tab.panel = Named(new TClickPanel(strip), "PanBarva" + n);
    tab.panel->OnClick = [this, t] { Run([&] { model_.TabClick(t); }); };
    tab.label = Named(new QLabel(tab.panel), "LabBarva" + n);
    tab.label->setAttribute(Qt::WA_TransparentForMouseEvents);
    tab.label->setAlignment(Qt::AlignCenter);
    tab.preview = Named(new TPreviewStrip(model_.State().Tabs[static_cast<size_t>(t)], tab.panel),
                        "ImBarva" + n);
    tab.lock = Named(new QCheckBox("lock", strip), "ChkLock" + n);
    tab.lock->setGeometry((t - 1) * kTabWidth + 4, 65, 60, 20);
    connect(tab.lock, &QCheckBox::clicked, this,
            [this, t](bool on) { Run([&] { model_.LockClick(t, on); }); });
  }
}

void TFBarvy::CreateEditPanel(QWidget* panel) {
  colour_panel_ = Named(new TClickPanel(panel), "PanColor");
  colour_panel_->setGeometry(10, 8, kPanelWidth - 20, 40);
  colour_panel_->setCursor(Qt::PointingHandCursor);
  colour_panel_->setToolTip("Click to choose the colour");
  colour_panel_->OnClick = [this] { Run([&] { model_.PanColorClick(); }); };
  auto* contrast_label = new QLabel("Contrast", panel);
  contrast_label->setGeometry(10, 54, kPanelWidth - 20, 18);
  contrast_ = SpinEdit(panel, "SEdZesvetleni", kContrastMin, kContrastMax);
  contrast_->setGeometry(10, 72, kPanelWidth - 20, 24);
  auto* frequency_label = new QLabel("Frequency", panel);
  frequency_label->setGeometry(10, 100, kPanelWidth - 20, 18);
  frequency_ = SpinEdit(panel, "SEdCetnost", kFrequencyMin, kFrequencyMax);
  frequency_->setGeometry(10, 118, kPanelWidth - 20, 24);
  connect(contrast_, &QSpinBox::valueChanged, this,
          [this](int v) { Run([&] { model_.SEdZesvetleniChange(v); }); });
  connect(frequency_, &QSpinBox::valueChanged, this,
          [this](int v) { Run([&] { model_.SEdCetnostChange(v); }); });

  struct ButtonSpec {
    const char* name;
    const char* caption;
    std::function<void()> action;
  };
  const ButtonSpec buttons[] = {
      {"ButPridat", "&Add", [this] { model_.ButPridatClick(); }},
      {"ButSmazat", "&Remove", [this] { model_.ButSmazatClick(); }},
      {"ButDefault", "&Set as def.", [this] { model_.ButDefaultClick(); }},
      {"BtnVlast", "Properties", [this] { ShowProperties(); }},
      {"ButNastavit", "&Default", [this] { model_.ButNastavitClick(); }},
      {"ButApply", "&Apply", [this] { model_.ButApplyClick(); }},
  };
  int top = 156;
  for (const ButtonSpec& spec : buttons) {
    auto* button = Named(new QPushButton(spec.caption, panel), spec.name);
    button->setGeometry(10, top, kPanelWidth - 20, 26);
    connect(button, &QPushButton::clicked, this, [this, action = spec.action] { Run(action); });
    top += 31;
  }
}

void TFBarvy::ShowProperties() {
  const std::optional<EntryPropertiesRequest> request = model_.BtnVlastClick();
  if (!request) return;
  properties_.Model().Open(request->Caption, request->Values,
                           [this, r = *request](const PropertiesDialogModel::PropertyValues& v) {
                             model_.StoreEntryProperties(r, v);
                           });
  properties_.Execute();
}

void TFBarvy::Run(const std::function<void()>& action) {
  RunReported(session_.prompter(), action);
  ShowState();
}

void TFBarvy::ShowState() {
  const ColoursDialogState& s = model_.State();
  for (int t = 1; t <= kTypeCount; ++t) {
    Tab& tab = tabs_[static_cast<size_t>(t)];
    const ColourTab& data = s.Tabs[static_cast<size_t>(t)];
    // The current tab hangs 16 pixels lower, its label and image moved down with it.
    const int grow = t == s.CurrentType ? kTabGrowth : 0;
    tab.panel->setGeometry((t - 1) * kTabWidth, -2, kTabWidth, kTabHeight + grow);
    tab.panel->SetColour(grow != 0 ? palette().color(QPalette::Base) : QColor());
    tab.label->setGeometry(2, 6 + grow, kTabWidth - 4, 16);
    tab.label->setText(FromAnsi(data.Name));
    tab.label->setToolTip(FromAnsi(data.Name));
    tab.preview->move((kTabWidth - kPreviewWidth) / 2, 24 + grow);
    tab.preview->update();
    const QSignalBlocker block(tab.lock);
    tab.lock->setChecked(data.Locked);
  }
  colour_panel_->SetColour(ToQColor(s.PanelColour));
  {
    const QSignalBlocker block_contrast(contrast_);
    const QSignalBlocker block_frequency(frequency_);
    contrast_->setValue(s.Contrast);
    frequency_->setValue(s.Frequency);
  }
  image_->update();
}

void TFBarvy::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Run([this] { model_.FormShow(); });
}

// The dialog has no Cancel: Escape closes it, as its title bar does.
void TFBarvy::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TFBarvy::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    Run([this] { model_.FormActivate(); });
  }
}

}  // namespace kelvo
