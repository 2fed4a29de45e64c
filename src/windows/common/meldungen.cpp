#include "meldungen.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

namespace ui {

namespace {

QMessageBox* neuesFenster(const QString& text, const QString& titel)
{
    auto* box = new QMessageBox(QApplication::activeWindow());
    box->setIcon(QMessageBox::NoIcon);
    box->setWindowTitle(titel);
    box->setText(text);
    return box;
}

} // namespace

void Meldungsfenster::hinweis(const QString& text, const QString& titel)
{
    std::unique_ptr<QMessageBox> box(neuesFenster(text, titel));
    box->setDefaultButton(box->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole));
    box->exec();
}

bool Meldungsfenster::frage(const QString& text, const QString& titel)
{
    std::unique_ptr<QMessageBox> box(neuesFenster(text, titel));
    QPushButton* ja = box->addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* nein = box->addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box->setDefaultButton(ja);
    box->setEscapeButton(nein);
    box->exec();
    return box->clickedButton() == ja;
}

} // namespace ui
