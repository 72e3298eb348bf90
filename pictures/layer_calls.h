// A record of the layers a picture recipe runs and the numbers it hands each one.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace pictures {

struct LayerCall {
    std::string layer;
    std::vector<double> args;  // as handed over, before the layer settles its defaults
    bool operator==(const LayerCall&) const = default;
};

// While a log is set, every layer a recipe runs is appended to it; nullptr stops the record.
// A layer built from other layers is recorded alone, not with the layers it runs.
void set_layer_call_log(std::vector<LayerCall>* log);

// Lives for the run of one layer.
class LayerCallScope {
public:
    LayerCallScope(const char* layer, std::initializer_list<double> args);
    ~LayerCallScope();
    LayerCallScope(const LayerCallScope&) = delete;
    LayerCallScope& operator=(const LayerCallScope&) = delete;
};

}  // namespace pictures
