#include "status_announcement.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface* announcementInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("StatusAnnouncement"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

}  // namespace

StatusAnnouncement::StatusAnnouncement(QWidget* parent) : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StatusAnnouncement::announce(const QString& text)
{
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

StatusAnnouncements::StatusAnnouncements(QWidget* window) : QObject(window)
{
    // Qt keeps the first interface it makes for an object; installing the factory again changes
    // nothing.
    QAccessible::installFactory(announcementInterface);
    for (StatusAnnouncement*& notification : notifications) notification = new StatusAnnouncement(window);
}

void StatusAnnouncements::announce(const QString& text)
{
    notifications[next]->announce(text);
    next = (next + 1) % notifications.size();
}
