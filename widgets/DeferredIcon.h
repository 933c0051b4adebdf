#pragma once

#include <QIcon>
#include <QIconEngine>

#include <functional>

// An icon made only when it is first drawn or measured: the style's
// pictures are read from image files, which a window that is not shown yet
// need not pay for at the program's start.
class DeferredIcon : public QIconEngine {
public:
    explicit DeferredIcon(std::function<QIcon()> make);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;

private:
    const QIcon& icon();

    std::function<QIcon()> make_;
    QIcon icon_;
    bool made_ = false;
};
