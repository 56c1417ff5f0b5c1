// The controls of a window: push buttons, the text field and the picture canvas.
#pragma once

#include "framework/events.h"
#include "framework/picture.h"
#include "framework/runtime.h"

#include <memory>
#include <string>
#include <vector>

class Window;
class QWidget;

class RectControl : public Object {
  public:
    static const ClassRecord& Record();
    ~RectControl() override;

    // The control's default construction: makes its widget inside its window.
    virtual void Constructor();
    // Redraws the control now.
    void Refresh(bool eraseBackground = true);

    std::shared_ptr<::Window> Window() const { return window_.lock(); }
    void SetOwner(const std::shared_ptr<::Window>& window) { window_ = window; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    void AddHandler(int event, Delegate delegate);
    void RaiseEvent(int event, std::string_view eventName);

    // The toolkit's widget: framework and tests only.
    QWidget* Widget() const { return widget_; }
    // Deletes the widget while its window still stands.
    void ReleaseWidget();

  protected:
    virtual QWidget* MakeWidget(QWidget* parent) = 0;
    QWidget* widget_ = nullptr;

  private:
    std::weak_ptr<::Window> window_;
    std::string name_;
    std::vector<std::pair<int, Delegate>> handlers_;
};

class BevelButton : public RectControl {
  public:
    static const ClassRecord& Record();

  protected:
    QWidget* MakeWidget(QWidget* parent) override;
};

class TextEdit : public RectControl {
  public:
    static const ClassRecord& Record();
};

class TextField : public TextEdit {
  public:
    static const ClassRecord& Record();
    // The whole text: what was set, or what the player has typed since.
    std::string Text() const;
    void Text(std::string_view text);
    bool ReadOnly() const;
    void ReadOnly(bool readOnly);

  protected:
    QWidget* MakeWidget(QWidget* parent) override;
};

class Canvas : public RectControl {
  public:
    static const ClassRecord& Record();
    PictureRef Backdrop() const { return backdrop_; }
    // Nil leaves the canvas without a picture. The canvas repaints when it next can.
    void Backdrop(PictureRef picture);

  protected:
    QWidget* MakeWidget(QWidget* parent) override;

  private:
    PictureRef backdrop_;
};
