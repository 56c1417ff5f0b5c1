// The yardstick for start-up and memory: a bare Qt Widgets window with the same widgets as
// the game's (menu bar with File and Edit, a 640 × 480 picture, the text field, seven
// buttons) and nothing else: no runtime, no class records, no script.
//   bare_window <picture folder>
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
class Picture : public QWidget {
  public:
    Picture(const QString& file, QWidget* parent) : QWidget(parent), image_(file) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, image_);
    }

  private:
    QImage image_;
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("ファイル"));
    file->addAction(QStringLiteral("終了"), QKeySequence(QStringLiteral("Ctrl+Q")), &app,
                    &QApplication::quit);
    QMenu* edit = window.menuBar()->addMenu(QStringLiteral("編集"));
    for (const char* item :
         {"元に戻す", "-", "カット", "コピー", "貼り付け", "削除", "-", "すべてを選択"})
        if (QString(item) == "-")
            edit->addSeparator();
        else
            edit->addAction(QString::fromUtf8(item));
    auto* content = new QWidget;
    content->setAutoFillBackground(true);
    content->setPalette(QPalette(Qt::white));
    window.setCentralWidget(content);
    (new Picture(folder + QStringLiteral("/FIRST"), content))->setGeometry(0, 0, 640, 480);
    auto* field = new QPlainTextEdit(QStringLiteral("ホロミナ2.0\nPRESS OK BUTTON"), content);
    field->setGeometry(0, 480, 640, 100);
    field->setReadOnly(true);
    struct Button {
        const char* caption;
        int left, top, width, height;
    };
    for (Button b : {Button{"OK", 87, 592, 68, 41}, Button{"Quit", 167, 592, 68, 41},
                     Button{"A", 88, 634, 60, 33}, Button{"B", 160, 634, 60, 33},
                     Button{"D", 297, 634, 60, 33}, Button{"C", 232, 634, 60, 33},
                     Button{"Reset", 247, 592, 68, 41}})
        (new QPushButton(QString::fromUtf8(b.caption), content))
            ->setGeometry(b.left, b.top, b.width, b.height);
    window.resize(640, 720 + window.menuBar()->sizeHint().height());
    window.show();
    return app.exec();
}
