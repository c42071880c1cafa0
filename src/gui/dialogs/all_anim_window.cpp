#include "gui/dialogs/all_anim_window.h"
#include "gui/window_geometry.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kelvo {
namespace {

// Paints the model's picture as it is at each repaint; Qt buffers the painting.
class SmallPortraitView : public QWidget {
 public:
  SmallPortraitView(const AnimateAllModel& model, QWidget* parent)
      : QWidget(parent), model_(model) {
    setObjectName("Image1");
    setFixedSize(kSmallPortraitWidth, kSmallPortraitHeight);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const Layer& layer = model_.Image();
    const QImage image(reinterpret_cast<const uchar*>(layer.pixels.data()), layer.width,
                       layer.height, layer.stride, QImage::Format_RGB16);
    QPainter painter(this);
    painter.drawImage(0, 0, image);
  }

 private:
  const AnimateAllModel& model_;
};

}  // namespace

TFAllAnim::TFAllAnim(EditorSession& session, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), model_(session) {
  setObjectName("FAllAnim");
  PlaceWhenShown(this);
  setWindowTitle("Animation");
  setModal(true);
  image_ = new SmallPortraitView(model_, this);
  auto* stop = new QPushButton("Stop", this);
  stop->setObjectName("BtnStop");
  stop->setDefault(true);
  stop->setMinimumWidth(190);  // room for the caption in the title bar
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(image_, 0, Qt::AlignHCenter);
  layout->addWidget(stop);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  timer_ = new QTimer(this);
  timer_->setObjectName("TMAnimAll");
  timer_->setInterval(kAnimateAllInterval);
  connect(timer_, &QTimer::timeout, this, [this] {
    model_.TMAnimAllTimer();
    image_->update();
  });
  connect(stop, &QPushButton::clicked, this, &QDialog::accept);
}

int TFAllAnim::Execute() {
  image_->update();
  timer_->start();
  return exec();
}

// Every way out ("Stop", Escape, a close request) stops the timer first.
void TFAllAnim::done(int result) {
  timer_->stop();
  model_.Stop();
  QDialog::done(result);
}

}  // namespace kelvo
