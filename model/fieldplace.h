#ifndef TARVEO_MODEL_FIELDPLACE_H
#define TARVEO_MODEL_FIELDPLACE_H

// What an index counts inside a field of a subclass; every number counts
// from 1.
enum class FieldPlace {
    Whole, // the field as a whole
    Axle,  // an axle of a per-axle list
    Gap,   // the distance between axle index and axle index + 1
    Row,   // an entry of a constraint list
};

#endif
