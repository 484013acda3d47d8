// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmsplash.h"

#include "clickableframe.h"
#include "formdesign.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace kelvastro {

namespace {

constexpr std::uint32_t kDarkRed = 0x00000080;
constexpr std::uint32_t kPaleYellow = 0x00C0FFFF;
constexpr std::uint32_t kButtonText = 0x80000012;

struct LabelDef {
    const char *name;
    const char *caption;
    int left, top, width, height;
    const char *family; // nullptr: the window's font
    double points;
    bool bold;
    Qt::Alignment alignment;
};

// In definition order, positions relative to the panel.
constexpr LabelDef kLabels[] = {
    {"Label3", "kelvastro.test", 5160, 3720, 1695, 255, nullptr, 0, false, Qt::AlignLeft},
    {"Label2",
     "Please follow the tips : Input values should not be 'Zero', Always Put' 0. 'before the value if the "
     "value is less than 1",
     120, 3000, 4695, 975, "MS Sans Serif", 9.75, true, Qt::AlignLeft},
    {"Label1", "", 1680, 720, 1935, 255, nullptr, 0, false, Qt::AlignLeft},
    {"lblVersion", "Kelvastro v 1.0", 2400, 1800, 1770, 285, "Arial", 12, true, Qt::AlignRight},
    {"lblCopyright", "\u00A9 Kelvastro team", 5520, 3360, 1335, 255, "Arial", 8.25, false, Qt::AlignLeft},
    {"lblLicenseTo", "Licensed to: the Kelvastro user", -360, 240, 6855, 255, "Arial", 8.25, false,
     Qt::AlignRight},
};

} // namespace

frmSplash::frmSplash(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    setFixedSize(form::px(7380), form::px(4245));
    setFont(form::font(QStringLiteral("MS Sans Serif"), 8.25));
    form::setBackground(this, kDarkRed);
    setFocusPolicy(Qt::StrongFocus);
    // No title to read out, so the window is named for assistive technology.
    setAccessibleName(QStringLiteral("Tips"));

    m_frame = new ClickableFrame(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setFrameShape(QFrame::Box);
    m_frame->setFrameShadow(QFrame::Plain);
    m_frame->setGeometry(form::twipsRect(150, 60, 7080, 4050));
    form::setColors(m_frame, kButtonText, kPaleYellow);
    connect(m_frame, &ClickableFrame::clicked, this, &frmSplash::Frame1_Click);

    // The labels sit on an inner surface so that the frame's border clips them,
    // as the owner line, which starts left of the panel, needs.
    auto *surface = new QWidget(m_frame);
    surface->setGeometry(m_frame->contentsRect());
    const QPoint origin = m_frame->contentsRect().topLeft();
    for (const auto &def : kLabels) {
        auto *l = form::label(surface, def.name, QString::fromUtf8(def.caption),
                              form::twipsRect(def.left, def.top, def.width, def.height).translated(-origin));
        l->setAlignment(def.alignment | Qt::AlignTop);
        if (def.family)
            l->setFont(form::font(QString::fromLatin1(def.family), def.points, def.bold));
        form::setColors(l, kButtonText, kPaleYellow);
        m_frame->shieldClicks(l);
    }
    // The version line sizes itself to its caption, keeping its top left corner.
    auto *version = m_frame->findChild<QLabel *>(QStringLiteral("lblVersion"));
    version->setWordWrap(false);
    version->adjustSize();
}

void frmSplash::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

// Key preview: nothing here takes the focus, so every key comes to the window.
void frmSplash::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (typesCharacter(event->key(), event->text()))
        Form_KeyPress();
}

// Letters, digits, blank, Enter, Escape and Backspace close the window; Delete
// carries the character DEL on X11 but types none, and closes nothing.
bool frmSplash::typesCharacter(int key, const QString &text)
{
    switch (key) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
        return true;
    case Qt::Key_Delete:
        return false;
    default:
        return !text.isEmpty() && text.front().isPrint();
    }
}

void frmSplash::Form_KeyPress() { accept(); }

void frmSplash::Frame1_Click() { accept(); }

} // namespace kelvastro
