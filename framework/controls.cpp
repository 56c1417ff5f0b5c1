// The controls over Qt widgets, with their declared properties.
#include "framework/controls.h"

#include "framework/qt_bridge.h"
#include "framework/window.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>

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
