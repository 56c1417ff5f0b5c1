// Toolkit-side definitions shared by the framework's own sources (and its tests).
#pragma once

#include "framework/picture.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QPlainTextEdit>

class QMenu;

struct Picture::Pixels {
    QImage image;
};

namespace fw {

// The text widget behind TextField: a carriage return shows as a line break, long lines
// wrap, the player's input brings no line break, and the text reads back exactly as set.
class FieldWidget : public QPlainTextEdit {
  public:
    explicit FieldWidget(QWidget* parent);
    std::string TextUtf8() const;
    void SetTextUtf8(std::string_view text);
    void SetReadOnlyField(bool readOnly);
    // Puts text that an input method still holds as pending (composed, not committed) into
    // the field, as if the input method had committed it.
    void CommitPendingInput();
    // An input method's composition is shown in the field, not yet in its text.
    bool Composing() const { return !pending_.isEmpty(); }

    using QPlainTextEdit::inputMethodQuery;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void CommitComposition(QString text);
    bool IsEcho(const QInputMethodEvent& event);
    void NoteDropped(const QInputMethodEvent& event);

    std::optional<std::string> exact_; // the text as set, until the player changes it
    QString pending_;                  // an input method's composition not yet committed
    // What CommitPendingInput committed, and until when the input method's copy may follow.
    static constexpr int kEchoWindowMs = 1000;
    QString echo_;
    QDeadlineTimer echoUntil_;
    // A composition the input method dropped as the focus left, and until when it may still
    // go in: the window is told 85 to 111 ms after the input method drops it (measured with
    // four engines, also loaded and under the sanitizers).
    static constexpr int kDroppedMs = 300;
    QString dropped_;
    QDeadlineTimer droppedUntil_;
    bool settingText_ = false;
};

// The focused text field, if any: the target of the Edit menu's built-in actions.
FieldWidget* FocusedField();

// The menu of the window's menu bar that holds the Edit items, or null.
QMenu* EditMenuOf(QWidget* window);

} // namespace fw
