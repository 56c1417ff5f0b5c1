// Toolkit-side definitions shared by the framework's own sources (and its tests).
#pragma once

#include "framework/picture.h"

#include <QImage>
#include <QPlainTextEdit>

struct Picture::Pixels {
    QImage image;
};

namespace fw {

// The text widget behind TextField: a carriage return shows as a line break, long lines
// wrap, Enter adds nothing, and the text reads back exactly as it was set.
class FieldWidget : public QPlainTextEdit {
  public:
    explicit FieldWidget(QWidget* parent);
    std::string TextUtf8() const;
    void SetTextUtf8(std::string_view text);
    void SetReadOnlyField(bool readOnly);

    using QPlainTextEdit::inputMethodQuery;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    std::optional<std::string> exact_; // the text as set, until the player changes it
    bool settingText_ = false;
};

// The focused text field, if any: the target of the Edit menu's built-in actions.
FieldWidget* FocusedField();

} // namespace fw
