#pragma once
// How the shredder destroys: set by the wash run from the wash level, and by the primitives for
// the delete switch. One instance lives in the run context and is passed to the shredder.
struct ShredSettings {
    int WashMode = 1;         // 1 delete only, 2 zeros, 3 random (7 passes), 4 Gutmann (35 passes)
    int WashStrength = 2;     // how often written data is flushed: 1 low, 2 medium, 3 high
    bool ShredDelete = true;  // true: rename and delete after overwriting; false: keep, length 0
};
