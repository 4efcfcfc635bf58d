#pragma once
// The options dialog TForm4 as data: the controls other parts read live.

namespace operation {

struct OptionsForm {
    int trackbar1Position = 0;  // the volume slider, 0..255
    int RadioGroup1Index = 0;   // end of the list: 0 shut down in 5 min, 1 quit, 2 replay, 3 wait
    int RadioGroup9Index = 0;   // folder rows: 0 in sequence, 1 at random
};

}  // namespace operation
