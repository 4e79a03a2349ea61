#include "core/order/orderdata.h"

#include <QFileInfo>

namespace vh {

QString AttachmentEntry::fileName() const {
  return isNew() ? QFileInfo(newPath).fileName() : text;
}

} // namespace vh
