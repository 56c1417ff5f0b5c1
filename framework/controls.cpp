// The controls over Qt widgets, with their declared properties.
#include "framework/controls.h"

#include "framework/qt_bridge.h"
#include "framework/window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethod>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QWindow>

namespace {

using P = PropertyValue;
using fw::BooleanOf;
using fw::IntegerOf;
using fw::StringOf;

QWidget* WidgetOf(Object& o) {
    QWidget* widget = static_cast<RectControl&>(o).Widget();
    if (!widget) throw NilObjectException("the control has not been constructed");
    return widget;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "System" at size 0 is the application's default font, Japanese fallback included.
void ApplyFontFamily(QWidget* w, const std::string& family) {
    QFont font = w->font();
    QFont base = QApplication::font();
    if (family == "System" || family.empty()) {
        font.setFamilies(base.families());
    } else {
        QStringList families = base.families();
        families.prepend(QString::fromStdString(family));
        font.setFamilies(families);
    }
    w->setFont(font);
}

template <class Change>
void ChangeFont(QWidget* w, Change change) {
    QFont font = w->font();
    change(font);
    w->setFont(font);
}

void ApplyColour(QWidget* w, QPalette::ColorRole role, Color c) {
    QPalette palette = w->palette();
    palette.setColor(role, QColor(c.red, c.green, c.blue));
    w->setPalette(palette);
}

// Properties shared by every control with text.
std::vector<PropertyDecl> FontProperties() {
    return {
        {"TextFont", PropertyType::String,
         [](Object& o, const P& v) { ApplyFontFamily(WidgetOf(o), StringOf(v)); }},
        {"TextSize", PropertyType::Single,
         [](Object& o, const P& v) {
             float size = std::get<float>(v);
             if (size > 0) ChangeFont(WidgetOf(o), [&](QFont& f) { f.setPointSizeF(size); });
         }},
        {"TextUnit", PropertyType::FontUnits},
        {"Bold", PropertyType::Boolean,
         [](Object& o, const P& v) {
             ChangeFont(WidgetOf(o), [&](QFont& f) { f.setBold(BooleanOf(v)); });
         }},
        {"Italic", PropertyType::Boolean,
         [](Object& o, const P& v) {
             ChangeFont(WidgetOf(o), [&](QFont& f) { f.setItalic(BooleanOf(v)); });
         }},
        {"Underline", PropertyType::Boolean,
         [](Object& o, const P& v) {
             ChangeFont(WidgetOf(o), [&](QFont& f) { f.setUnderline(BooleanOf(v)); });
         }},
    };
}

// A control that does not take the focus when clicked still stops on Tab if it may.
void ApplyAcceptFocus(Object& o, const P& v) {
    const P* tabStop = o.StoredProperty("TabStop");
    bool tab = !tabStop || BooleanOf(*tabStop);
    WidgetOf(o)->setFocusPolicy(BooleanOf(v) ? Qt::StrongFocus : tab ? Qt::TabFocus : Qt::NoFocus);
}

// A ring inside the control's edge, over whatever the control draws: the player sees where
// the focus went, whether by Tab or a click. Transparent to the mouse.
class FocusRing : public QWidget {
  public:
    static constexpr const char* kName = "focus ring";

    explicit FocusRing(QWidget* control) : QWidget(control) {
        setObjectName(kName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(control->rect());
        setVisible(control->hasFocus());
        control->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            setVisible(event->type() == QEvent::FocusIn);
            raise();
        } else if (event->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), kWidth, Qt::SolidLine,
                            Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(kWidth / 2, kWidth / 2, -kWidth / 2, -kWidth / 2));
    }

  private:
    static constexpr qreal kWidth = 2;
};

void ApplyFocusRing(Object& o, const P& v) {
    QWidget* widget = WidgetOf(o);
    // Found by name: without a meta-object of its own, any child widget would pass as one.
    auto* ring = widget->findChild<QWidget*>(FocusRing::kName, Qt::FindDirectChildrenOnly);
    if (BooleanOf(v) && !ring) new FocusRing(widget);
    if (!BooleanOf(v)) delete ring;
}

class CanvasWidget : public QWidget {
  public:
    using QWidget::QWidget;
    PictureRef picture;

  protected:
    void paintEvent(QPaintEvent*) override {
        // Transparent: without a picture the window's own background shows.
        if (!picture) return;
        QPainter painter(this);
        painter.drawImage(0, 0, picture->Image().image);
    }
};

} // namespace

// ---- RectControl ----

const ClassRecord& RectControl::Record() {
    static const ClassRecord& control =
        RuntimeRegisterClass({"Control",
                              nullptr,
                              {"Close", "Constructor"},
                              {{"Name", PropertyType::String},
                               {"Index", PropertyType::Integer},
                               {"TabPanelIndex", PropertyType::Integer}},
                              nullptr});
    static const ClassRecord& record = RuntimeRegisterClass(
        {"RectControl",
         &control,
         {"Close", "Constructor", "Invalidate", "Refresh", "RefreshRect", "SetFocus"},
         {
             {"Left", PropertyType::Integer,
              [](Object& o, const P& v) {
                  QWidget* w = WidgetOf(o);
                  w->move(int(IntegerOf(v)), w->y());
              }},
             {"Top", PropertyType::Integer,
              [](Object& o, const P& v) {
                  QWidget* w = WidgetOf(o);
                  w->move(w->x(), int(IntegerOf(v)));
              }},
             {"Width", PropertyType::Integer,
              [](Object& o, const P& v) {
                  QWidget* w = WidgetOf(o);
                  w->resize(int(IntegerOf(v)), w->height());
              }},
             {"Height", PropertyType::Integer,
              [](Object& o, const P& v) {
                  QWidget* w = WidgetOf(o);
                  w->resize(w->width(), int(IntegerOf(v)));
              }},
             // Controls sit at absolute positions: locked to the left and top, they stay
             // put whatever the window's size.
             {"LockLeft", PropertyType::Boolean},
             {"LockTop", PropertyType::Boolean},
             {"LockRight", PropertyType::Boolean},
             {"LockBottom", PropertyType::Boolean},
             {"TabIndex", PropertyType::Integer},
             {"TabStop", PropertyType::Boolean,
              [](Object& o, const P& v) {
                  if (!BooleanOf(v)) WidgetOf(o)->setFocusPolicy(Qt::NoFocus);
              }},
             {"InitialParent", PropertyType::String},
             {"Visible", PropertyType::Boolean,
              [](Object& o, const P& v) { WidgetOf(o)->setVisible(BooleanOf(v)); }},
             {"HelpTag", PropertyType::String,
              [](Object& o, const P& v) { WidgetOf(o)->setToolTip(FromUtf8(StringOf(v))); }},
             {"AutoDeactivate", PropertyType::Boolean},
             {"Enabled", PropertyType::Boolean,
              [](Object& o, const P& v) { WidgetOf(o)->setEnabled(BooleanOf(v)); }},
         },
         nullptr});
    return record;
}

RectControl::~RectControl() {
    ReleaseWidget();
}

void RectControl::ReleaseWidget() {
    delete widget_;
    widget_ = nullptr;
}

void RectControl::Constructor() {
    fw::CheckMainThread("RectControl.Constructor");
    fw::Probe("RectControl.Constructor");
    auto window = Window();
    if (!window || !window->Content())
        throw NilObjectException("a control needs a constructed window to live in");
    widget_ = MakeWidget(window->Content());
}

void RectControl::Refresh(bool) {
    fw::CheckMainThread("RectControl.Refresh");
    fw::Probe("RectControl.Refresh");
    if (widget_) widget_->repaint();
}

void RectControl::AddHandler(int event, Delegate delegate) {
    handlers_.emplace_back(event, std::move(delegate));
}

void RectControl::RaiseEvent(int event, std::string_view eventName) {
    auto self = std::static_pointer_cast<RectControl>(shared_from_this());
    std::string what = name_ + "." + std::string(eventName);
    for (const auto& [number, delegate] : handlers_)
        if (number == event) fw::DispatchEvent(what, [&] { delegate(self); });
}

void RuntimeAddEventHandler(const std::shared_ptr<RectControl>& control, int event,
                            Delegate delegate) {
    fw::Probe("RuntimeAddEventHandler");
    if (!control) throw NilObjectException("event handler for a nil control");
    control->AddHandler(event, std::move(delegate));
}

// ---- BevelButton ----

const ClassRecord& BevelButton::Record() {
    static const ClassRecord& record = []() -> const ClassRecord& {
        std::vector<PropertyDecl> properties{
            {"Caption", PropertyType::String,
             [](Object& o, const P& v) {
                 static_cast<QPushButton*>(WidgetOf(o))->setText(FromUtf8(StringOf(v)));
             }},
            {"CaptionAlign", PropertyType::Integer},
            {"CaptionPlacement", PropertyType::Integer},
            {"CaptionDelta", PropertyType::Integer},
            {"IconAlign", PropertyType::Integer},
            {"IconDX", PropertyType::Integer},
            {"IconDY", PropertyType::Integer},
            {"Bevel", PropertyType::Integer},
            {"HasMenu", PropertyType::Integer},
            {"HasBackColor", PropertyType::Boolean},
            {"BackColor", PropertyType::Color},
            {"TextColor", PropertyType::Color,
             [](Object& o, const P& v) {
                 ApplyColour(WidgetOf(o), QPalette::ButtonText, std::get<Color>(v));
             }},
            {"Value", PropertyType::Boolean},
            {"MenuValue", PropertyType::Integer},
            {"ButtonType", PropertyType::Integer},
            {"AcceptFocus", PropertyType::Boolean, ApplyAcceptFocus},
        };
        for (auto& font : FontProperties())
            properties.push_back(std::move(font));
        return RuntimeRegisterClass({"BevelButton",
                                     &RectControl::Record(),
                                     {"Close", "Constructor", "Refresh"},
                                     std::move(properties),
                                     [] { return std::make_shared<BevelButton>(); }});
    }();
    return record;
}

QWidget* BevelButton::MakeWidget(QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, [this, button] {
        // The button never takes the focus, so the toolkit would leave an input method's
        // pending text uncommitted: the handler must read the name the player sees typed.
        for (auto* field : button->window()->findChildren<fw::FieldWidget*>())
            field->CommitPendingInput();
        RaiseEvent(kEventAction, "Action");
    });
    return button;
}

// ---- TextField ----

const ClassRecord& TextEdit::Record() {
    static const ClassRecord& record =
        RuntimeRegisterClass({"TextEdit",
                              &RectControl::Record(),
                              {"Close", "Constructor"},
                              {{"AutomaticallyCheckSpelling", PropertyType::Boolean}},
                              nullptr});
    return record;
}

static fw::FieldWidget* FieldOf(Object& o) {
    return static_cast<fw::FieldWidget*>(WidgetOf(o));
}

const ClassRecord& TextField::Record() {
    static const ClassRecord& record = []() -> const ClassRecord& {
        std::vector<PropertyDecl> properties{
            {"Border", PropertyType::Boolean,
             [](Object& o, const P& v) {
                 FieldOf(o)->setFrameShape(BooleanOf(v) ? QFrame::StyledPanel : QFrame::NoFrame);
             }},
            {"Password", PropertyType::Boolean},
            {"UseFocusRing", PropertyType::Boolean, ApplyFocusRing},
            {"TextColor", PropertyType::Color,
             [](Object& o, const P& v) {
                 ApplyColour(WidgetOf(o), QPalette::Text, std::get<Color>(v));
             }},
            {"BackColor", PropertyType::Color,
             [](Object& o, const P& v) {
                 ApplyColour(WidgetOf(o), QPalette::Base, std::get<Color>(v));
             }},
            {"Format", PropertyType::String},
            {"CueText", PropertyType::String,
             [](Object& o, const P& v) { FieldOf(o)->setPlaceholderText(FromUtf8(StringOf(v))); }},
            {"Text", PropertyType::String,
             [](Object& o, const P& v) { static_cast<TextField&>(o).Text(StringOf(v)); }},
            {"Mask", PropertyType::String},
            {"ReadOnly", PropertyType::Boolean,
             [](Object& o, const P& v) { static_cast<TextField&>(o).ReadOnly(BooleanOf(v)); }},
            {"LimitText", PropertyType::Integer},
            // While editable, Tab types a tab; read-only, it moves the focus on.
            {"AcceptTabs", PropertyType::Boolean,
             [](Object& o, const P& v) { FieldOf(o)->setTabChangesFocus(!BooleanOf(v)); }},
            {"Alignment", PropertyType::Integer},
            {"DataSource", PropertyType::String},
            {"DataField", PropertyType::String},
        };
        for (auto& font : FontProperties())
            properties.push_back(std::move(font));
        return RuntimeRegisterClass({"TextField",
                                     &TextEdit::Record(),
                                     {"Close", "Constructor", "Text", "ReadOnly"},
                                     std::move(properties),
                                     [] { return std::make_shared<TextField>(); }});
    }();
    return record;
}

QWidget* TextField::MakeWidget(QWidget* parent) {
    return new fw::FieldWidget(parent);
}

std::string TextField::Text() const {
    fw::CheckMainThread("TextField.Text");
    auto* field = static_cast<fw::FieldWidget*>(Widget());
    return field ? field->TextUtf8() : std::string();
}

void TextField::Text(std::string_view text) {
    fw::CheckMainThread("TextField.Text");
    fw::Probe("TextField.Text");
    if (auto* field = static_cast<fw::FieldWidget*>(Widget())) field->SetTextUtf8(text);
}

bool TextField::ReadOnly() const {
    fw::CheckMainThread("TextField.ReadOnly");
    auto* field = static_cast<fw::FieldWidget*>(Widget());
    return !field || field->isReadOnly();
}

void TextField::ReadOnly(bool readOnly) {
    fw::CheckMainThread("TextField.ReadOnly");
    fw::Probe("TextField.ReadOnly");
    if (auto* field = static_cast<fw::FieldWidget*>(Widget())) field->SetReadOnlyField(readOnly);
}

namespace fw {

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
    QString shown = FromUtf8(text);
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

void FieldWidget::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty()) echo_.clear();
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

void FieldWidget::CommitPendingInput() {
    if (pending_.isEmpty()) return;
    QString text = pending_;
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
        CommitPendingInput();
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

// ---- Canvas ----

const ClassRecord& Canvas::Record() {
    static const ClassRecord& record =
        RuntimeRegisterClass({"Canvas",
                              &RectControl::Record(),
                              {"Close", "Constructor", "Refresh", "Backdrop"},
                              {
                                  {"UseFocusRing", PropertyType::Boolean, ApplyFocusRing},
                                  {"AcceptFocus", PropertyType::Boolean, ApplyAcceptFocus},
                                  {"AcceptTabs", PropertyType::Boolean},
                                  {"DoubleBuffer", PropertyType::Boolean},
                                  {"EraseBackground", PropertyType::Boolean},
                                  {"Transparent", PropertyType::Boolean},
                              },
                              [] { return std::make_shared<Canvas>(); }});
    return record;
}

QWidget* Canvas::MakeWidget(QWidget* parent) {
    return new CanvasWidget(parent);
}

void Canvas::Backdrop(PictureRef picture) {
    fw::CheckMainThread("Canvas.Backdrop");
    fw::Probe("Canvas.Backdrop");
    backdrop_ = std::move(picture);
    if (auto* canvas = static_cast<CanvasWidget*>(Widget())) {
        canvas->picture = backdrop_;
        canvas->update();
    }
}
