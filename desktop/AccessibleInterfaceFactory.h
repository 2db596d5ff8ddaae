#pragma once

class QObject;
class QAccessibleInterface;
class QString;
class QWidget;

namespace quorvel {

// Gives the program's window and its option frames, and every push button and option, the
// interfaces that screen readers use in place of the toolkit's own (see AccessibleWindow,
// AccessibleButton, AccessibleOptionGroup and AccessibleUnshownControl); every other object keeps
// the toolkit's.
class AccessibleInterfaceFactory {
public:
    // Once for the application; more calls change nothing.
    static void install();
    // Drops the interfaces already made for the control and what it holds, so that they are made
    // anew when next asked for: the toolkit asks for some while a control is still being made.
    static void remake(QWidget* control);

private:
    static QAccessibleInterface* create(const QString& className, QObject* object);
};

}  // namespace quorvel
