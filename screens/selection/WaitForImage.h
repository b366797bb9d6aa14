#pragma once

class ImagingControl;

// Waits up to 5 seconds, letting window events run, until the control holds a picture. A path
// given to BitmapDataPath may arrive after the assignment returns; this is how a caller makes
// sure it has. Returns the control's error number, 0 when there is none.
int WaitForImage(ImagingControl& image);
