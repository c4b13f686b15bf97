#pragma once

#include <QProxyStyle>

// The application's own style, drawn exactly as the one it stands in for. The
// menu bar makes a hidden button for menus that would not fit, and asks the
// style for that button's picture at once; reading the picture loads and probes
// every image plugin on the machine. The window's menus always fit, so that
// picture is read only when it is first drawn.
class WindowStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

    // Makes it the application's style, once.
    static void install();
};
