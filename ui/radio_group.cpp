#include "radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& caption, const QStringList& itemTexts, QWidget* parent)
    : QGroupBox(caption, parent), items(new QButtonGroup(this))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 2, 4, 4);
    for (int i = 0; i < itemTexts.size(); ++i) {
        auto* item = new QRadioButton(itemTexts.at(i), this);
        items->addButton(item, i);
        column->addWidget(item);
    }
    connect(items, &QButtonGroup::idToggled, this, [this](int /*id*/, bool checked) {
        if (checked) emit itemChosen();
    });
}

int RadioGroup::itemIndex() const { return items->checkedId(); }

void RadioGroup::setItemIndex(int index) { items->button(index)->setChecked(true); }
