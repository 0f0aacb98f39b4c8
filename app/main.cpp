#include "app/application.h"

int main(int argc, char** argv) { return lirvane::gui::runLirvane(argc, argv); }
