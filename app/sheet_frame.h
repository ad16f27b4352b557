#pragma once
// Sheets (the About, language and message-box dialogs) open over the main window. Where no window
// manager draws a border round them they would run into the widgets under them, so each draws a
// frame of its own along its edge.

class QDialog;

namespace kivo {

void frame_sheet(QDialog& sheet);

} // namespace kivo
