#pragma once

// The Help menu's links, handed to the desktop's browser and e-mail client.
// A desktop that cannot open them leaves the program as it was.

// Opens the maker's home page.
void openHomePage();

// Opens a new support request to the maker, naming the program and version.
void sendSupportRequest();
