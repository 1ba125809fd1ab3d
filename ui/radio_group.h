// A radio group: a captioned frame holding items in one column, of which at most one is
// selected, enabled and disabled as a whole.
#pragma once

#include <QGroupBox>

class QButtonGroup;

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent);

    // The selected item, from 0, or -1 while none is.
    int itemIndex() const;
    // Selects item index (0 .. items - 1).
    void setItemIndex(int index);

signals:
    // Another item is selected, by the person or by setItemIndex.
    void itemChosen();

private:
    QButtonGroup* items;
};
