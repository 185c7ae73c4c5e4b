// The About tab: the program's name in large green letters over a black shadow, and its
// version below.
#pragma once

#include <QWidget>

namespace oxelgui {

inline constexpr const char* kAboutVersion = "Ver 1.0.4";

class AboutTab final : public QWidget {
    Q_OBJECT

  public:
    explicit AboutTab(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(AboutTab)

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace oxelgui
