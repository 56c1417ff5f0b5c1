// The text widget behind TextField: one line of answer that wraps, shows a carriage return
// as a line break, and takes Japanese through the desktop's input method without losing or
// doubling what is being composed.
#include "framework/qt_bridge.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>

namespace fw {

// Where the display's keyboard focus is now, as the X server has it. Asked (one round trip)
// only when an input method drops a composition; unknown where the display is not X11, or
// where the focus follows the pointer.
enum class DisplayFocus { Here, Elsewhere, Unknown };

static DisplayFocus DisplayFocusOf(const QWidget& widget) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    const QWindow* top = widget.window()->windowHandle();
    if (!connection || !top) return DisplayFocus::Unknown;
    xcb_get_input_focus_reply_t* reply =
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    if (!reply) return DisplayFocus::Unknown;
    const xcb_window_t focus = reply->focus;
    std::free(reply);
    if (focus == XCB_NONE || focus == XCB_INPUT_FOCUS_POINTER_ROOT) return DisplayFocus::Unknown;
    return focus == xcb_window_t(top->winId()) ? DisplayFocus::Here : DisplayFocus::Elsewhere;
}

FieldWidget::FieldWidget(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Japanese has no blanks between words: a long line must still break.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QPlainTextEdit::textChanged, [this] {
        if (!settingText_) exact_.reset();
    });
}

std::string FieldWidget::TextUtf8() const {
    if (exact_) return *exact_;
    // Raw text keeps what the player typed (no-break spaces included); paragraphs are the
    // field's line breaks, which read back as carriage returns.
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QChar(u'\r'));
    return raw.toStdString();
}

void FieldWidget::SetTextUtf8(std::string_view text) {
    QString shown = QString::fromUtf8(text.data(), qsizetype(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar(u'\r'), QChar(u'\n'));
    settingText_ = true;
    // Straight into the document: the widget's own setter also re-lays the text out
    // to place the cursor, which doubles the cost of every line shown.
    document()->setPlainText(shown);
    settingText_ = false;
    exact_ = std::string(text);
}

void FieldWidget::SetReadOnlyField(bool readOnly) {
    setReadOnly(readOnly);
    // Read-only text can still be selected with the mouse and copied through the Edit
    // menu, but shows no text cursor: nothing invites the player to type.
    setTextInteractionFlags(readOnly ? Qt::TextSelectableByMouse : Qt::TextEditorInteraction);
}

// A one-line answer: whatever way text comes in, keys, a paste, a drop or an input
// method's commit, it brings no line break of any kind. Besides the usual ones, the text
// control breaks the line at its own frame markers (U+FDD0, U+FDD1).
static QString WithoutLineBreaks(QString text) {
    text.removeIf([](QChar c) {
        switch (c.unicode()) {
        case u'\n':
        case u'\v':
        case u'\f':
        case u'\r':
        case 0x0085:
        case 0x2028:
        case 0x2029:
        case 0xFDD0:
        case 0xFDD1:
            return true;
        default:
            return false;
        }
    });
    return text;
}

// A key that only changes what the next one means.
static bool IsModifier(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Mode_switch:
        return true;
    default:
        return false;
    }
}

void FieldWidget::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty()) {
        echo_.clear();
        dropped_.clear();
    }
    // A key the input method lets through while it composes (Ctrl+V, Ctrl+A, …) acts on the
    // text as shown: the composition goes in first.
    if (!IsModifier(event->key())) CommitPendingInput();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    // Ctrl+Tab leaves a field that takes tabs, as in any text area that does.
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) &&
        event->modifiers() & Qt::ControlModifier) {
        QWidget::focusNextPrevChild(event->key() == Qt::Key_Tab &&
                                    !(event->modifiers() & Qt::ShiftModifier));
        return;
    }
    QString text = WithoutLineBreaks(event->text());
    if (text == event->text()) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent filtered(event->type(), text.isEmpty() ? Qt::Key_unknown : event->key(),
                       event->modifiers(), text, event->isAutoRepeat(), ushort(event->count()));
    QPlainTextEdit::keyPressEvent(&filtered);
}

// A read-only field stays selectable, and the toolkit's text control takes that as leave to
// accept an input method's composed text: a read-only field must refuse it, as it refuses keys.
QVariant FieldWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) return isEnabled() && !isReadOnly();
    return QPlainTextEdit::inputMethodQuery(query);
}

void FieldWidget::inputMethodEvent(QInputMethodEvent* event) {
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    if (IsEcho(*event)) return;
    NoteDropped(*event);
    pending_ = event->preeditString();
    QString commit = WithoutLineBreaks(event->commitString());
    if (commit == event->commitString()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent single(event->preeditString(), event->attributes());
    single.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&single);
}

// An input method that commits what it holds when it is reset (Mozc; Anthy set to commit on
// focus out) sends the text CommitPendingInput has just put in once more, soon after. That
// copy, and only while it can still come, is dropped; anything else typed ends the watch.
bool FieldWidget::IsEcho(const QInputMethodEvent& event) {
    if (echo_.isEmpty()) return false;
    bool echo = !echoUntil_.hasExpired() && event.preeditString().isEmpty() &&
                event.commitString() == echo_;
    if (!echo && (!event.preeditString().isEmpty() || !event.commitString().isEmpty()))
        echo_.clear();
    return echo;
}

// An input method drops a composition by itself when another program's text entry takes the
// focus: it hears of it as the window does, and the window is told ~0.1 s later. Kept that
// long, the dropped text still goes in then. Dropped while the display still gives the window
// its keys, it is the player's doing (Escape, the last kana rubbed out, the input method
// switched off), and stays out whatever comes next. Where the display can't tell, only the
// window losing the focus in that time makes it the focus's doing.
void FieldWidget::NoteDropped(const QInputMethodEvent& event) {
    if (!event.preeditString().isEmpty() || !event.commitString().isEmpty()) {
        dropped_.clear();
    } else if (!pending_.isEmpty() && DisplayFocusOf(*this) != DisplayFocus::Here) {
        dropped_ = pending_;
        droppedUntil_.setRemainingTime(kDroppedMs);
    }
}

void FieldWidget::CommitPendingInput() {
    CommitComposition(pending_);
}

// By value: the commit below empties pending_, which may be what was passed.
void FieldWidget::CommitComposition(QString text) {
    if (text.isEmpty()) return;
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(this, &commit);
    echo_ = text;
    echoUntil_.setRemainingTime(kEchoWindowMs);
    // The input method lets go of it too, and closes what it shows for it (a candidate
    // list, say) as it does when the focus moves: the focus leaves the field and comes back.
    QGuiApplication::inputMethod()->reset();
    if (hasFocus()) {
        clearFocus();
        setFocus(Qt::OtherFocusReason);
    }
}

// A click into the field while the input method composes: the toolkit's text control would
// commit the composition and reset the input method, which may then send it again. The field
// commits it itself, once, as it does for the buttons.
void FieldWidget::mousePressEvent(QMouseEvent* event) {
    CommitPendingInput();
    QPlainTextEdit::mousePressEvent(event);
}

// The window losing the focus to another: the composition goes in once, before the toolkit
// tells the input method, which some input methods answer by dropping it.
bool FieldWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusAboutToChange && watched == window()->windowHandle())
        CommitComposition(pending_.isEmpty() && !droppedUntil_.hasExpired() ? dropped_ : pending_);
    return QPlainTextEdit::eventFilter(watched, event);
}

void FieldWidget::focusInEvent(QFocusEvent* event) {
    if (QWindow* top = window()->windowHandle()) top->installEventFilter(this);
    QPlainTextEdit::focusInEvent(event);
}

void FieldWidget::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText() || isReadOnly()) return;
    insertPlainText(WithoutLineBreaks(source->text()));
}

// The field's own menu is the Edit menu: the same commands, names and shortcuts.
void FieldWidget::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* edit = EditMenuOf(window());
    if (!edit) return;
    setFocus(Qt::PopupFocusReason);
    edit->exec(event->globalPos());
}

FieldWidget* FocusedField() {
    if (auto* field = dynamic_cast<FieldWidget*>(QApplication::focusWidget())) return field;
    // A window that is not active (no window manager gave it the focus yet) still knows
    // which of its widgets has the focus within it.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowType() != Qt::Popup)
            if (auto* field = dynamic_cast<FieldWidget*>(top->focusWidget())) return field;
    return nullptr;
}

} // namespace fw
