#pragma once

#include "core/common/result.h"

#include <QByteArray>
#include <QString>

namespace vh {

// The folder, private to the user, into which stored attachments are written
// to be opened; created when missing.
Result<QString> attachmentCopyFolder(const QString& userName);

// Writes content to a file of that name in folder, replacing an older copy,
// and returns the file's path. Only the name's last part is used, so a stored
// name can never point outside the folder.
Result<QString> writeAttachmentCopy(const QString& folder, const QString& name, const QByteArray& content);

// A file's whole content.
Result<QByteArray> readFileContent(const QString& path);

// Writes content to exactly this path.
Result<void> writeFileContent(const QString& path, const QByteArray& content);

} // namespace vh
