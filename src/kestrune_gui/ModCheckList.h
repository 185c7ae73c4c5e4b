// The mod list: one item per mod file with a tick box. It tells of every mouse press, with
// whether Ctrl was held, before the press selects or ticks anything, and of every click on a
// mod, including one on the mod that is already current.
#pragma once

#include <QListWidget>

namespace kestrunegui {

class ModCheckList final : public QListWidget {
    Q_OBJECT

  public:
    explicit ModCheckList(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(ModCheckList)

    // Makes the items `names` with their ticks, keeping the widgets when only ticks changed
    // (so the scroll position stays). Emits no itemChanged.
    void setMods(const QStringList& names, const QList<bool>& ticks);
    bool ticked(int row) const;

  signals:
    void mousePressed(bool ctrlHeld);
    // A press on the mod at `row`, or the keyboard moving to it. Once per press.
    void modClicked(int row);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool m_inPress = false;
};

}  // namespace kestrunegui
