#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

#include "storage/paths.h"

class QLabel;
class QWidget;

namespace mousecfg {

// The product's pictures beside the lighting and button pages: the front view (which also shows
// the hovered button), the side view and the product name under them. Images come from
// skin/mouse/<product>/ for the current product of the settings file.
class ProductPictures : public QObject {
    Q_OBJECT
public:
    enum class View { None, Front, Side };

    ProductPictures(Paths paths, QWidget* window);
    // The front picture of the current product.
    static QString frontFile(const Paths& paths);

    void layout();
    // Reads the current product and loads its pictures (a picture that does not load leaves its
    // label as it was).
    void reload();
    void show(View view);
    // The front picture with button `index` (0-based) highlighted; -1: the plain picture.
    void showHover(int index);
    QString product() const { return product_; }
    // Where the pictures' images come from (a decoding begun on another thread); none: decoded
    // from the file here.
    void setImageSource(std::function<QImage(const QString& file)> source) { source_ = std::move(source); }

private:
    void setFront(const QString& file);
    // The side picture is decoded the first time it is shown after a reload.
    void loadSide();

    Paths paths_;
    std::function<QImage(const QString& file)> source_;
    QString product_;
    QLabel* front_;
    QLabel* side_;
    QLabel* name_;
    bool sideLoaded_ = false;
};

}  // namespace mousecfg
