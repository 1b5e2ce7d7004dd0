#include "ui/shell/About.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QSysInfo>
#include <QVBoxLayout>
#include <QtGlobal>

#include "ui/shell/CSApplication.h"
#include "ui/shell/CSWindow.h"
#include "ui/shell/ProgramIcon.h"
#include "ui/shell/Prompter.h"

namespace lumarik {
namespace {

const QString kCaptionPrefix = QStringLiteral("Info ");
const QString kVersionCaption = QStringLiteral("Version");
const QString kDisclaimer = QStringLiteral(
    "Haftungsausschluss: Dieses Programm wird ohne jede Gewährleistung bereitgestellt, weder "
    "ausdrücklich noch stillschweigend, auch nicht für die Richtigkeit der Ergebnisse oder die "
    "Eignung für einen bestimmten Zweck. Die Rechnungen sind paraxiale Näherungen; prüfen Sie "
    "jedes Ergebnis, bevor Sie sich darauf verlassen. Die Nutzung erfolgt auf eigenes Risiko.");
const QString kOK = QStringLiteral("&OK");
const QString kSysInfo = QStringLiteral("&System-Info...");
const QString kSysInfoTitle = QStringLiteral("Systeminformation");
const QString kOperatingSystem = QStringLiteral("Betriebssystem: %1");
const QString kKernel = QStringLiteral("Kernel: %1 %2");
const QString kArchitecture = QStringLiteral("Architektur: %1 (Programm erstellt für %2)");
const QString kQtVersion = QStringLiteral("Qt-Version: %1 (Programm erstellt mit %2)");
const QString kPlatform = QStringLiteral("Grafiksystem: %1");

QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

About::About(const AppContext& context, QWidget* parent) : QDialog(parent), m_context(context) {
    setObjectName(QStringLiteral("About"));
    const CSApplication app(m_context);
    setWindowTitle(kCaptionPrefix + app.Title());

    QLayout* head = BuildHead(app);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("fraDisclaimer"));
    panel->setFrameShape(QFrame::StyledPanel);
    m_lblDisclaimer = NamedLabel(QStringLiteral("lblDisclaimer"), kDisclaimer, panel);
    m_lblDisclaimer->setWordWrap(true);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(m_lblDisclaimer);

    m_cmdOK = new QPushButton(kOK, this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setAccessibleName(QStringLiteral("OK"));
    m_cmdOK->setDefault(true);
    m_cmdSysInfo = new QPushButton(kSysInfo, this);
    m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    m_cmdSysInfo->setAccessibleName(QStringLiteral("System-Info"));

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdSysInfo);
    auto* foot = new QHBoxLayout;
    foot->addWidget(panel, 1);
    foot->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addSpacing(8);
    layout->addLayout(foot);

    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &About::ShowSystemInfo);

    resize(520, sizeHint().height());
}

// The icon beside the title, the comment and the version.
QLayout* About::BuildHead(const CSApplication& app) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(ProgramIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    m_lblTitle = NamedLabel(QStringLiteral("lblTitle"), app.Title(), this);
    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    m_lblComment = NamedLabel(QStringLiteral("lblComment"), app.Comment(), this);
    m_lblComment->setWordWrap(true);
    m_lblVer = NamedLabel(QStringLiteral("lblVer"), app.Version(), this);
    auto* versionCaption = new QLabel(kVersionCaption, this);
    auto* version = new QHBoxLayout;
    version->addWidget(versionCaption);
    version->addWidget(m_lblVer);
    version->addStretch();

    auto* text = new QVBoxLayout;
    text->addWidget(m_lblTitle);
    text->addWidget(m_lblComment);
    text->addLayout(version);
    auto* head = new QHBoxLayout;
    head->addWidget(icon);
    head->addLayout(text, 1);
    return head;
}

About* About::Display(const AppContext& context, QWidget* parent) {
    auto* about = new About(context, parent);
    about->setAttribute(Qt::WA_DeleteOnClose);
    CSWindow().Center(about);
    about->open();
    return about;
}

QString About::SystemInfo() {
    return QStringList{
        kOperatingSystem.arg(QSysInfo::prettyProductName()),
        kKernel.arg(QSysInfo::kernelType(), QSysInfo::kernelVersion()),
        kArchitecture.arg(QSysInfo::currentCpuArchitecture(), QSysInfo::buildCpuArchitecture()),
        kQtVersion.arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)),
        kPlatform.arg(QGuiApplication::platformName()),
    }
        .join(QLatin1Char('\n'));
}

void About::ShowSystemInfo() {
    if (m_context.prompter) {
        m_context.prompter->Message(SystemInfo(), PromptIcon::Information, kSysInfoTitle);
    }
}

}  // namespace lumarik
