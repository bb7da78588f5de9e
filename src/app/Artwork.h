// The pictures of the main window and its tools page, painted once with
// QPainter when the window is built: the background, the title strip, the
// toolbar and window buttons in each of their states, the tools page and its
// icons, the service window's banner and the program icon. Nothing is
// read from disk; every picture follows the program's red and gold scheme.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace quillora::gui::art {

// The faces of an image button. Current marks the toolbar button of the page
// on show.
enum class Face { Normal, Hover, Down, Current };

enum class ToolbarIcon { Generation, Analysis, Bazi, Almanac, Tools };
enum class WindowButton { Minimise, Close };
enum class ToolsIcon { Calendar, Service, Auspicious, Trademark };

QPixmap MainBackground(QSize size);
QPixmap TitleStrip(QSize size);
QPixmap ToolbarButton(ToolbarIcon icon, Face face, QSize size);
QPixmap WindowButtonFace(WindowButton button, Face face, QSize size);
QPixmap ToolsBackground(QSize size);
QPixmap ToolsButton(ToolsIcon icon, Face face, QSize size);
QPixmap ServiceBanner(QSize size);
QIcon ProgramIcon();

}  // namespace quillora::gui::art
