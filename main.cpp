#include "app/program.h"
#include "ui/application.h"

int main(int argc, char** argv) {
    ui::Application app(argc, argv);
    keb::Program program(app.platform());
    program.start();
    return app.run();
}
