// A record of the layers a picture recipe runs and the numbers it hands each one.
#include "pictures/layer_calls.h"

namespace pictures {

namespace {
std::vector<LayerCall>* call_log = nullptr;
int running = 0;  // layers running now, the outer ones included
}  // namespace

void set_layer_call_log(std::vector<LayerCall>* log) { call_log = log; }

LayerCallScope::LayerCallScope(const char* layer, std::initializer_list<double> args) {
    if (call_log && running == 0) call_log->push_back({layer, std::vector<double>(args)});
    ++running;
}

LayerCallScope::~LayerCallScope() { --running; }

}  // namespace pictures
