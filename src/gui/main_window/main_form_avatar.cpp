// The main window's "Multi Avatar": opens the avatar exchange dialog modally over the settings
// store. The dialog is made once, with the form, and kept.
#include <QObject>
#include <QPushButton>

#include "gui/dialogs/avatar_dialog.h"
#include "gui/main_window/main_form.h"
#include "gui/qt_key_store.h"

namespace kelvo {
namespace {

// The store the dialog writes to; lives as long as the form, as its child.
class AvatarStore : public QObject {
 public:
  explicit AvatarStore(QObject* parent) : QObject(parent) { setObjectName("AvatarStore"); }
  KeyStore& Store() { return store_; }

 private:
  QtKeyStore store_;
};

}  // namespace

void TMainForm::ConnectAvatar() {
  auto* store = new AvatarStore(this);
  auto* dialog = new TFrmImportMultiAV(
      model_.Session(), store->Store(), [this] { model_.CheckHeadNumbers(); }, this);
  dialog->Model().SetReplaceGuard([this] { return model_.DataSets().OfferUnsavedWork(); });
  c_.Button5->setEnabled(true);
  connect(c_.Button5, &QPushButton::clicked, this, [dialog] { dialog->Execute(); });
}

}  // namespace kelvo
