// The about window: the program's title, version and purpose, its legal notice, and the
// platform facts a user quotes in a support request.
#pragma once

#include <QDialog>

#include "ui/shell/AppContext.h"

class QLabel;
class QLayout;
class QPushButton;

namespace lumarik {

class CSApplication;

class About : public QDialog {
    Q_OBJECT

public:
    explicit About(const AppContext& context, QWidget* parent = nullptr);

    // Opens the window modally over `parent` without blocking; it deletes itself when closed.
    static About* Display(const AppContext& context, QWidget* parent);

    // Operating system, architecture and Qt version, one fact a line.
    static QString SystemInfo();

private:
    QLayout* BuildHead(const CSApplication& app);
    void ShowSystemInfo();

    const AppContext& m_context;
    QLabel* m_lblTitle = nullptr;
    QLabel* m_lblComment = nullptr;
    QLabel* m_lblVer = nullptr;
    QLabel* m_lblDisclaimer = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdSysInfo = nullptr;
};

}  // namespace lumarik
