#include "app/about_box.h"

#include "app/product_info.h"

#include <QDate>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

namespace zendrik {
namespace {

// A small table with a silver header row and column: the program's picture.
QPixmap TablePicture() {
  constexpr int cell = 12, columns = 4, rows = 4;
  QPixmap picture(cell * columns + 1, cell * rows + 1);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.fillRect(0, 0, picture.width(), cell, QColor(0xC0C0C0));
  painter.fillRect(0, 0, cell, picture.height(), QColor(0xC0C0C0));
  painter.setPen(QColor(0x808080));
  for (int i = 0; i <= columns; ++i) painter.drawLine(i * cell, 0, i * cell, picture.height() - 1);
  for (int i = 0; i <= rows; ++i) painter.drawLine(0, i * cell, picture.width() - 1, i * cell);
  return picture;
}

QLabel* Text(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle("Info");
  auto* picture = new QLabel(this);
  picture->setObjectName("ProgramIcon");
  picture->setPixmap(TablePicture());

  auto* product = Text(kBaseCaption, this);
  product->setObjectName("ProductName");
  QFont large = product->font();
  large.setBold(true);
  large.setPointSize(large.pointSize() + 4);
  product->setFont(large);
  auto* comments = Text("Turns web pages into tables, by hand or by Pascal script.", this);
  comments->setObjectName("Comments");
  auto* copyright = Text(
      QString(kCopyrightTemplate).replace("YYYY", QString::number(QDate::currentDate().year())),
      this);
  copyright->setObjectName("Copyright");

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* site = buttons->addButton("Web site", QDialogButtonBox::ActionRole);
  site->setObjectName("WebSiteBtn");
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OKButton");
  connect(site, &QPushButton::clicked, this,
          [] { QDesktopServices::openUrl(QUrl(kMakerAddress)); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* grid = new QGridLayout(this);
  grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
  grid->addWidget(product, 0, 1);
  grid->addWidget(comments, 1, 1);
  grid->addWidget(copyright, 2, 1);
  grid->addWidget(buttons, 3, 0, 1, 2);
  grid->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace zendrik
