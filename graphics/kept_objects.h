// A small set of drawing objects (pens, brushes) kept between figures, so
// that a figure command made with a colour used before only selects the
// object it made then. An object is made the first time its key is asked
// for; when the set is full the oldest is given back to make room. The
// objects are the same as ones made afresh, so nothing drawn changes.
#pragma once

#include <cstdint>

namespace zep {

template <class Handle, int N>
class KeptObjects {
 public:
  // The object for key: the kept one, or make(key) kept from now on
  // (release(oldest) first when all N places are taken).
  template <class Make, class Release>
  Handle Get(uint32_t key, Make make, Release release) {
    for (int i = 0; i < count_; ++i) {
      if (keys_[i] == key) return objects_[i];
    }
    int place;
    if (count_ < N) {
      place = count_++;
    } else {
      place = next_;
      release(objects_[place]);
      next_ = (next_ + 1) % N;
    }
    keys_[place] = key;
    objects_[place] = make(key);
    return objects_[place];
  }

  // Gives every kept object back.
  template <class Release>
  void Clear(Release release) {
    for (int i = 0; i < count_; ++i) release(objects_[i]);
    count_ = 0;
    next_ = 0;
  }

  int count() const { return count_; }

 private:
  uint32_t keys_[N] = {};
  Handle objects_[N] = {};
  int count_ = 0;
  int next_ = 0;  // the oldest place once all are taken
};

}  // namespace zep
