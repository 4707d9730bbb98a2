#pragma once

// Puts the images the window's style draws with into the toolkit's pixmap
// cache, each decoded as the format it is. Left to itself the style loads
// each image by its file name alone, and the toolkit then loads every image
// format plugin to ask whether it reads the file: milliseconds of a start-up
// that shows no picture. A style that draws with no image gets nothing.
void PreloadStyleImages();
