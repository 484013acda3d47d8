// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmabout.h"

#include "appinfo.h"
#include "focusring.h"
#include "formdesign.h"
#include "olecolor.h"
#include "sysinfolauncher.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace kelvastro {

namespace {

constexpr std::uint32_t kHighlight = 0x8000000D;
constexpr std::uint32_t kPaleGreen = 0x00C0FFC0;

struct LineDef {
    int x1, y1, x2, y2;
    std::uint32_t colour;
    int width;
};

// Line1(1), then Line1(0): together a double rule across the window.
constexpr LineDef kLines[] = {
    {90, 2445, 5654, 2445, 0x0000FF00, 1},
    {105, 2460, 5654, 2460, 0x00FFFFFF, 2},
};

struct LabelDef {
    const char *name;
    const char *caption;
    int left, top, width, height;
};

constexpr LabelDef kLabels[] = {
    {"lblDescription", "Happy Trading", 1200, 1200, 1365, 450},
    {"lblTitle", "", 1050, 240, 3885, 480},
    {"lblVersion", "", 1050, 780, 3885, 225},
    {"lblDisclaimer",
     "Please follow this tips : Input values should not be 'Zero', Always Put' 0. 'before the value if the value "
     "is less than 1",
     240, 2625, 3735, 585},
};

QPushButton *button(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

} // namespace

frmAbout::frmAbout(FormsServices &services, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_services(services)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(form::px(5805), form::px(3750));
    setFont(form::font(QStringLiteral("MS Sans Serif"), 8.25));
    form::setBackground(this, kHighlight);

    m_ok = button(this, "cmdOK", QStringLiteral("OK"), form::twipsRect(4200, 2640, 1260, 345));
    m_sysInfo = button(this, "cmdSysInfo", QStringLiteral("&System Info..."), form::twipsRect(4260, 3075, 1245, 345));
    // Standard buttons in the desktop's own colours, as the stored colour
    // shows only on a graphical button.
    for (QPushButton *b : {m_ok, m_sysInfo})
        form::useDesktopColors(b);
    m_ok->setDefault(true);
    setTabOrder(m_ok, m_sysInfo);

    const QFont bold = form::font(QStringLiteral("MS Sans Serif"), 8.25, true);
    for (const auto &def : kLabels) {
        auto *l = form::label(this, def.name, QString::fromUtf8(def.caption),
                              form::twipsRect(def.left, def.top, def.width, def.height));
        l->setFont(bold);
        form::setColors(l, kPaleGreen, kHighlight);
    }
    m_title = findChild<QLabel *>(QStringLiteral("lblTitle"));
    m_version = findChild<QLabel *>(QStringLiteral("lblVersion"));

    new FocusRing(this);

    connect(m_ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(m_sysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

int frmAbout::showModal()
{
    Form_Load();
    return exec();
}

void frmAbout::Form_Load()
{
    const QString title = QString::fromUtf8(AppInfo::title);
    setWindowTitle(QStringLiteral("About ") + title);
    m_version->setText(QStringLiteral("Version %1.%2.%3").arg(AppInfo::major).arg(AppInfo::minor).arg(AppInfo::revision));
    m_title->setText(title);
    // Short labels are passed over by screen readers, which read a dialog's
    // longer texts only; the name carries what the title bar does not.
    setAccessibleName(windowTitle() + QStringLiteral(", ") + m_version->text() + QStringLiteral(". ")
                      + findChild<QLabel *>(QStringLiteral("lblDescription"))->text());
    // The client area's top left corner sits at a fixed place on the screen.
    setGeometry(QRect(QPoint(form::px(2340), form::px(1935)), size()));
    m_ok->setFocus();
}

void frmAbout::StartSysInfo()
{
    SysInfoLauncher(m_services).StartSysInfo();
}

void frmAbout::reject()
{
    cmdOK_Click();
}

void frmAbout::cmdOK_Click()
{
    done(QDialog::Accepted);
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    for (const auto &line : kLines) {
        QPen pen(oleColor(line.colour));
        pen.setWidth(line.width);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        // A wider pen grows down and right from the line, as the window draws it.
        const double offset = (line.width - 1) / 2.0;
        p.drawLine(QPointF(form::px(line.x1) + offset, form::px(line.y1) + offset),
                   QPointF(form::px(line.x2) + offset, form::px(line.y2) + offset));
    }
}

} // namespace kelvastro
