// Every kind of unit of the unit stream, one row each. A new kind is a row
// here, its row in unit_table.cpp (what it takes, and what the validator
// checks of its bytes), and its kernel: the state it decodes to and its step
// in the interpreter (beside the kernel in synth/), and the statement the
// song compiler writes for it (frame_writer.cpp). The opcodes, the
// interpreter's dispatch, the validator's names and the song compiler's
// dispatch are all made from this list.
//
// UNIT(NAME, opcode, Kind, member): the opcode is OP_NAME, and its value is
// part of the song format; the opcodes run from 1 without a gap. The kind's
// decoded state is KindUnit, kept as `member` of CompiledUnit;
// decodeKindUnit(bytes, UnitDecode&) makes it, runKindUnit(const KindUnit&,
// SignalStack&, const UnitRun&) runs it for a frame (unit_run.h), and the
// song compiler writes its statement with emitKind. The stack unit is given
// to STACK_UNIT instead, with the same arguments: each of its operations is
// a step of its own.
#pragma once

#define SYNTH_UNIT_KINDS(UNIT, STACK_UNIT)                   \
    UNIT(ENVELOPE, 1, Envelope, envelope)                    \
    UNIT(OSCILLATOR, 2, Oscillator, oscillator)              \
    UNIT(FILTER, 3, Filter, filter)                          \
    UNIT(SHAPER, 4, Shaper, shaper)                          \
    UNIT(DELAY, 5, Delay, delay)                             \
    STACK_UNIT(STACK, 6, Stack, stack)                       \
    UNIT(STORE, 7, Store, store)                             \
    UNIT(PAN, 8, Pan, pan)                                   \
    UNIT(OUTPUT, 9, Output, output)                          \
    UNIT(MIX, 10, Mix, mix)                                  \
    UNIT(STORE_REMOTE, 11, StoreRemote, storeRemote)
