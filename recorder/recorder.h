#pragma once
// The sound recorder's handlers over its data and its own device.

#include "recorder/recorder_device.h"
#include "recorder/recorder_form.h"
#include "shell/main_context.h"

namespace recorder {

struct Recorder {
    Recorder(shell::MainContext& mainWindow, RecorderDevice& recorderDevice)
        : main(mainWindow), device(recorderDevice) {}
    RecorderForm form;
    shell::MainContext& main;  // the program folder, messages, the grid's pick list
    RecorderDevice& device;
};

void FormCreate(Recorder& r);
void rec3Click(Recorder& r);      // shows the recorder (the view makes it modal)
void btstartClick(Recorder& r);   // record
void btstopClick(Recorder& r);    // stop recording or preview, and save
void Button1Click(Recorder& r);   // preview
void Timer1Timer(Recorder& r);    // every 500 ms while recording or previewing
void chooseFile(Recorder& r, const std::string& gbkPath);  // the file button's result ("" cancelled)
void Button2Click(Recorder& r);   // close, offering the recorded file to the grid

// Channels, bits and rate from the three radio groups.
WavFormat chosenFormat(const RecorderForm& form);

}  // namespace recorder
