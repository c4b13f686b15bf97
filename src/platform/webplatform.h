#pragma once

#include "platform/qtplatform.h"

// The platform in the browser: Qt's dialogs and clock as on a computer; the
// record folder in the page's memory, kept in the site's storage by the record
// store's file layer.
class WebPlatform : public QtPlatform
{
public:
    QString inputBox(const QString &prompt, const QString &title) override;
    QString recordDirectory(QString *error) override;
};
