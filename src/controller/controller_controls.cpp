#include "controller/controller_controls.h"

#include "controller/controller_functions.h"
#include "station/handlers.h"
#include "station/station.h"

namespace orvant {

namespace {

Control hidden(std::string tooltip = {}) {
    return labelControl({}, std::move(tooltip), false);
}

}  // namespace

void declareControllerControls(Display& display) {
    display.declare("lbl_reset",
                    labelControl("Reset System", "Click to reset the external microcontroller."));
    display.declare("img_Ecp0Red", hidden());
    display.declare("img_Ecp0Black");
    display.declare("img_Ecp1Red", hidden());
    display.declare("img_Ecp1Black");
    display.declare(
        "lbl_extcontrolport",
        labelControl("Ext Control Port",
                     "Double click the LED indicators above to change thier operational "
                     "state."));
    display.declare("Text1", hidden());
    display.declare("Text2", hidden());
    display.declare("Text4", hidden());
    display.declare("wht_check", hidden("Printer Port dialog checksum correct"));
    display.declare("red_check", hidden());
    display.declare("img_blk_crc", hidden("Temporary Demonstartion Mode"));
    display.declare("lbl_satpos");
    display.declare("lbl_Elfed", labelControl("", "The Elevation angle of the rotator"));
    display.declare("cmd_Bye", labelControl("Exit"));
}

void bindControllerHandlers(Station& station) {
    bindHandler(station, "lbl_reset", ControlEvent::Click, lbl_reset_Click);
    bindHandler(station, "img_Ecp0Black", ControlEvent::Click, img_Ecp0Black_Click);
    bindHandler(station, "img_Ecp0Red", ControlEvent::Click, img_Ecp0Red_Click);
    bindHandler(station, "img_Ecp1Black", ControlEvent::Click, img_Ecp1Black_Click);
    bindHandler(station, "img_Ecp1Red", ControlEvent::Click, img_Ecp1Red_Click);
    bindHandler(station, "img_Ecp0Black", ControlEvent::DblClick, img_Ecp0Black_DblClick);
    bindHandler(station, "img_Ecp0Red", ControlEvent::DblClick, img_Ecp0Red_DblClick);
    bindHandler(station, "img_Ecp1Black", ControlEvent::DblClick, img_Ecp1Black_DblClick);
    bindHandler(station, "img_Ecp1Red", ControlEvent::DblClick, img_Ecp1Red_DblClick);
    bindHandler(station, "lbl_extcontrolport", ControlEvent::Click, lbl_extcontrolport_Click);
    bindHandler(station, "Text1", ControlEvent::Click, Text1_Click);
    bindHandler(station, "Text2", ControlEvent::Click, Text2_Click);
    bindHandler(station, "Text4", ControlEvent::Click, Text4_Click);
}

}  // namespace orvant
