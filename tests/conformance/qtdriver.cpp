// SPDX-License-Identifier: GPL-3.0-or-later
// The conformance rows on the Qt front end, offscreen: keys and clicks go in
// through Qt's own input path, message boxes are the real ones, closed by
// their OK button.
#include "app/appinfo.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/formmainwindow.h"
#include "platform/qt/qtformsservices.h"
#include "platform/qt/qtformview.h"
#include "tests/conformance/driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace kelvastro::conformance {

namespace {

QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::uint32_t rgbOf(const QColor &c) { return static_cast<std::uint32_t>(c.rgb() & 0xFFFFFF); }

// Lets queued work, posted calls and repaints run.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

// What a window manager does when a window closes: the window it belonged to
// is active again. The offscreen platform leaves no window active.
void activateAfterClosing(QWidget *owner)
{
    settle();
    if (owner && owner->isVisible() && !QApplication::activeWindow()) {
        owner->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(owner));
        settle();
    }
}

// A click as the window system delivers it: to the window, hit-tested there,
// and refused to a window that a modal one blocks.
void clickAt(QWidget *w, QPoint at)
{
    QWidget *top = w->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, w->mapTo(top, at));
}

// The real front end, with each message box closed by its OK button as soon
// as it shows, and each modal showing handing over to the test inside it.
class Services final : public QtFormsServices {
public:
    Services() : QtFormsServices(kApplication) {}
    std::vector<std::string> messages;
    std::function<void(Form &)> inModal;

    void showModal(Form &form) override
    {
        if (auto user = std::move(inModal)) {
            inModal = nullptr;
            QTimer::singleShot(0, qApp, [user, &form] { user(form); });
        }
        QWidget *owner = QApplication::activeWindow();
        QtFormsServices::showModal(form);
        activateAfterClosing(owner);
    }

protected:
    // Qt would refuse every later event loop in this test program.
    void quit() override {}

    void messageBox(std::string_view text) override
    {
        messages.emplace_back(text);
        auto *poll = new QTimer(qApp);
        poll->setInterval(5);
        QElapsedTimer waited;
        waited.start();
        QObject::connect(poll, &QTimer::timeout, poll, [poll, waited] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box && box->isVisible()) {
                EXPECT_EQ(box->windowTitle().toStdString(), "Kelvastro");
                box->button(QMessageBox::Ok)->click();
            } else if (waited.elapsed() < 5000) {
                return;
            } else {
                ADD_FAILURE() << "the message box never showed";
            }
            poll->deleteLater();
            poll->stop();
        });
        poll->start();
        QWidget *owner = QApplication::activeWindow();
        QtFormsServices::messageBox(text);
        activateAfterClosing(owner);
    }
};

class QtDriver final : public Driver {
public:
    ~QtDriver() override { settle(); }

    FormsServices &forms() override { return m_forms; }

    void start(Form &main) override
    {
        m_caller = &main;
        m_forms.show(main);
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_forms.window(main)));
        settle();
    }

    void type(std::string_view utf8) override
    {
        // One key event per character, as a keyboard or an input method sends them.
        for (const uint cp : qtext(utf8).toUcs4()) {
            const auto c = static_cast<char32_t>(cp);
            const QString typed = QString::fromUcs4(&c, 1);
            Qt::Key key = Qt::Key_unknown;
            if (c < 0x80 && QChar(c).isLetterOrNumber())
                key = static_cast<Qt::Key>(QChar(c).toUpper().unicode());
            else if (c == U' ')
                key = Qt::Key_Space;
            send(key, typed);
        }
    }

    void press(Key key) override
    {
        switch (key) {
        case Key::Tab: click(Qt::Key_Tab); break;
        case Key::ShiftTab: click(Qt::Key_Backtab, Qt::ShiftModifier); break;
        case Key::Enter: click(Qt::Key_Return); break;
        case Key::Escape: click(Qt::Key_Escape); break;
        case Key::Space: click(Qt::Key_Space); break;
        case Key::Backspace: click(Qt::Key_Backspace); break;
        case Key::Delete: click(Qt::Key_Delete); break;
        case Key::Left: click(Qt::Key_Left); break;
        case Key::End: click(Qt::Key_End); break;
        case Key::F2: click(Qt::Key_F2); break;
        case Key::CtrlA: click(Qt::Key_A, Qt::ControlModifier); break;
        case Key::AltS:
            click(Qt::Key_S, Qt::AltModifier);
            QTest::qWait(200); // Qt's mnemonic shows the button pressed for a moment before it clicks
            break;
        case Key::CtrlShiftC: click(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier); break;
        case Key::LoneSurrogate: {
            send(Qt::Key_unknown, QString(QChar(0xDC00)));
            break;
        }
        }
    }

    void click(Form &form, ControlId id) override
    {
        const QtFormView &v = m_forms.rendered(form);
        if (id == kNoControl) {
            clickAt(v.window(), QPoint(2, 2));
        } else if (QAction *action = v.action(id)) {
            action->trigger();
        } else {
            QWidget *w = v.widget(id);
            clickAt(w, form.definition().control(id).kind == ControlKind::Frame ? clear(w) : w->rect().center());
        }
        settle();
    }

    void closeBox(Form &form) override
    {
        m_forms.window(form)->close();
        settle();
    }

    std::string text(Form &form, ControlId id) override
    {
        QWidget *w = m_forms.rendered(form).widget(id);
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            return edit->text().toStdString();
        return m_forms.view(form).text(id);
    }
    Selection selection(Form &form, ControlId id) override
    {
        auto *edit = qobject_cast<QLineEdit *>(m_forms.rendered(form).widget(id));
        if (!edit->hasSelectedText())
            return {edit->cursorPosition(), edit->cursorPosition()};
        return {edit->selectionStart(), edit->selectionEnd()};
    }
    ControlId focus(Form &form) override { return m_forms.view(form).focus(); }
    bool locked(Form &form, ControlId id) override
    {
        return qobject_cast<QLineEdit *>(m_forms.rendered(form).widget(id))->isReadOnly();
    }
    Look look(Form &form, ControlId id) override
    {
        const QWidget *w = m_forms.rendered(form).widget(id);
        const QPalette &p = w->palette();
        if (qobject_cast<const QLineEdit *>(w))
            return {rgbOf(p.color(QPalette::Active, QPalette::Text)), rgbOf(p.color(QPalette::Active, QPalette::Base))};
        if (qobject_cast<const QAbstractButton *>(w))
            return {rgbOf(p.color(QPalette::Active, QPalette::ButtonText)),
                    rgbOf(p.color(QPalette::Active, QPalette::Button))};
        return {rgbOf(p.color(QPalette::Active, QPalette::WindowText)),
                rgbOf(p.color(QPalette::Active, QPalette::Window))};
    }
    ColorScheme scheme() override { return m_forms.scheme(); }
    std::string caption(Form &form) override { return m_forms.window(form)->windowTitle().toStdString(); }
    bool isOpen(Form &form) override { return m_forms.window(form)->isVisible(); }

    const std::vector<std::string> &messages() override { return m_forms.messages; }
    std::string clipboard() override { return QGuiApplication::clipboard()->text().toStdString(); }
    bool ended() override { return m_forms.ended(); }

    Modal whileModal(const std::function<void()> &open, const std::function<void(Form &)> &user) override
    {
        return runModal(
            m_forms, open, user,
            [this](Form &shown) {
                EXPECT_TRUE(QTest::qWaitForWindowActive(m_forms.window(shown)));
                settle();
                return callerTakesAClick();
            },
            [] { settle(); });
    }

private:
    static QWidget *target()
    {
        if (QWidget *w = QApplication::focusWidget())
            return w;
        if (QWidget *w = QApplication::activeModalWidget())
            return w;
        return QApplication::activeWindow();
    }
    static void click(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(target(), key, modifiers);
        settle();
    }
    // A key that types `text`; the window it closes hears no release.
    static void send(Qt::Key key, const QString &text)
    {
        QPointer<QWidget> to = target();
        QTest::sendKeyEvent(QTest::Press, to, key, text, Qt::NoModifier);
        if (to && to->isVisible())
            QTest::sendKeyEvent(QTest::Release, to, key, text, Qt::NoModifier);
        settle();
    }
    // A point of the widget that none of its children covers, so that the
    // click lands on the widget itself: a panel holds labels.
    static QPoint clear(QWidget *w)
    {
        const QRect r = w->rect();
        for (int y = r.top() + 3; y < r.bottom(); y += 3)
            for (int x = r.left() + 3; x < r.right(); x += 3)
                if (!w->childAt(x, y) || !w->childAt(x, y)->isVisible() || w->childAt(x, y)->objectName().isEmpty())
                    return {x, y};
        return r.center();
    }
    // Whether the window under a modal one takes a click: its focus moves to
    // the control the click was on when it does.
    bool callerTakesAClick()
    {
        if (!m_caller)
            return false;
        const QtFormView &v = m_forms.rendered(*m_caller);
        ControlId other = kNoControl;
        for (ControlId id : tabOrder(m_caller->definition()))
            if (v.widget(id) != v.window()->focusWidget())
                other = id;
        QWidget *w = v.widget(other);
        clickAt(w, w->rect().center());
        settle();
        return v.window()->focusWidget() == w;
    }

    Services m_forms;
    Form *m_caller = nullptr;
};

} // namespace

std::unique_ptr<Driver> makeDriver() { return std::make_unique<QtDriver>(); }

} // namespace kelvastro::conformance

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());

    kelvastro::form::installAccessibility();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
