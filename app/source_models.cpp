#include "app/source_models.h"

namespace skycrier {

SourceModels::SourceModels(EventLoop& loop, SpeechUnits& units)
    : context(loop, units),
      sourceChoice(context,
                     {&monitorSource, &ws23Source, &ws28Source, &aprsSource, &pro2Source, &metarSource}),
      unitsChoice(units, &sourceChoice) {}

}  // namespace skycrier
