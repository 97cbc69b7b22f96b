#pragma once

namespace orvant {

class Display;
struct Station;

// `Form3`: opens the station configuration file or the satellite file in use in the desktop's
// text editor. Nothing here reads or writes them; the program reads them again at its next start
// (or the satellite file at the next satellite).

void declareConfigEditorControls(Display& display);
void bindConfigEditorHandlers(Station& station);

void lbl_help_DblClick(Station& station);
// ORV.CFG as read at start-up, from the folder the program was started in.
void Form3_txt_maincfg_Click(Station& station);
// The satellite file in use; the built-in "DEFAULT" has none, so nothing opens.
void Form3_txt_satcfg_Click(Station& station);
void Form3_Command1_Click(Station& station);

}  // namespace orvant
