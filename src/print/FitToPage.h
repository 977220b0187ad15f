// Where the framed page goes on the printer page: three quarters of the
// printable width, the aspect ratio kept, centred both ways.
#pragma once

// place holds 0, 0, w0, h0 on entry (only w0 and h0 are read) and x, y,
// width, height afterwards. horzRes and vertRes are the printable area in
// device pixels. The height is not limited to the printable height.
void FitPlaceToPage(int place[4], int horzRes, int vertRes);
