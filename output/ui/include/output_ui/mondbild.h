#pragma once
// The moon picture of the output window: the full disc, shaded for the phase
// last computed, in the window's background colour.

#include <QLabel>

#include <functional>

namespace kronel {

class MondBild final : public QLabel {
public:
    MondBild();

    // Shows the phase p (0 to 100); text is the picture's tag.
    void Zeigen(int p, const QString& text);
    int Phase() const { return p_; }
    const QString& Tag() const { return tag_; }
    std::function<void()> beiKlick;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int p_ = -1;  // none computed yet
    QString tag_;
};

}  // namespace kronel
