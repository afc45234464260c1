#include "app/application.h"

int main(int argc, char** argv) {
    nakkas::Application app(argc, argv);
    return app.exec();
}
