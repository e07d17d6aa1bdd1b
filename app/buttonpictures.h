#pragma once

#include <QString>

class QPushButton;

// The pictures of the window's buttons, read from the "Image" folder. Style sheets name a
// picture by its path with forward slashes. GUI thread only.
namespace ButtonPictures {

// `file` as the whole face of `button` (the category buttons of the button page).
void setFace(QPushButton* button, const QString& imageFolder, const char* file);
// `file` as the background of a command button. A picture of another size than the button
// is brought to the button's size once and kept so in the folder.
void setBackground(QPushButton* button, const QString& imageFolder, const char* file);

} // namespace ButtonPictures
