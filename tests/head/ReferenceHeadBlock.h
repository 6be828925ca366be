#pragma once

namespace zendal {
class Wizard;
}

namespace zendal::test {

// The head block normalisation carried out step by step, each repeat-until-done rule by
// rescanning the whole text after every change, as the rules are written. Quadratic; it is here
// only to show that the one-pass implementation gives the same results.
class ReferenceHeadBlock {
  public:
    explicit ReferenceHeadBlock(Wizard& wizard) : wizard_(wizard) {}
    void SetUpMetaLines();

  private:
    void SetUpHeadBlock(long& start, long& end);
    void PositionLines();
    Wizard& wizard_;
};

}  // namespace zendal::test
