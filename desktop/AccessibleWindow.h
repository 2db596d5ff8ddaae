#pragma once

#include <QAccessibleWidget>

namespace quorvel {

class AccessibleAnnouncement;
class AccessiblePicture;
class MainForm;

// The program's window as a screen reader sees it, with the toolkit's role and name: first the
// picture, then the controls on show as the toolkit lists them, then the line where
// announcements are said. The controls that the window never shows are left out.
class AccessibleWindow : public QAccessibleWidget {
public:
    explicit AccessibleWindow(MainForm* form);
    ~AccessibleWindow() override;
    AccessibleWindow(const AccessibleWindow&) = delete;
    AccessibleWindow& operator=(const AccessibleWindow&) = delete;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    AccessiblePicture& picture() const { return *picture_; }
    AccessibleAnnouncement& announcement() const { return *announcement_; }

private:
    QList<QAccessibleInterface*> children() const;

    AccessiblePicture* picture_;
    AccessibleAnnouncement* announcement_;
    // The cache owns the parts once they are registered; the window lets them go with it.
    QAccessible::Id pictureId_;
    QAccessible::Id announcementId_;
};

}  // namespace quorvel
