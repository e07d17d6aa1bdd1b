#pragma once

#include <QPixmap>
#include <QString>

class QPushButton;
class QWidget;

// The pictures of the window's buttons, read from the "Image" folder. Style sheets name a
// picture by its path with forward slashes. GUI thread only.
namespace ButtonPictures {

// `file` as the whole face of `button` (the category buttons of the button page). The face
// gets a focus ring while the keyboard has put the focus on it. The pictures carry no words:
// the button's word is drawn over them in the display language.
void setFace(QPushButton* button, const QString& imageFolder, const char* file);
// Shows a face button as locked (dimmed, a padlock in its corner, `tip` after its own tool
// tip) or as it is. A locked button stays enabled: its click is answered where it is handled.
void setLocked(QPushButton* button, bool locked, const QString& tip = QString());
// The padlock drawn on locked buttons, `size` pixels square.
QPixmap lockPicture(int size);
// `file` as the background of a command button. A picture of another size than the button
// is brought to the button's size once and kept so in the folder.
void setBackground(QPushButton* button, const QString& imageFolder, const char* file);
// Enter presses the focused push buttons under `page`, as it does in a dialog (outside one a
// push button answers only the space bar).
void pressOnEnter(QWidget* page);
// The word drawn on a picture button, in the display language; empty for a button whose
// picture has none.
QString caption(const QPushButton* button);

} // namespace ButtonPictures
