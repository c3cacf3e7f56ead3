// Built against the core library only: this include must fail.
#include <QWidget>
