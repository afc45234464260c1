package android.widget;

import android.content.Context;

public class SeekBar extends AbsSeekBar {
    public SeekBar(Context context) { super(context); throw new RuntimeException("Stub!"); }

    public void setOnSeekBarChangeListener(SeekBar.OnSeekBarChangeListener l) { throw new RuntimeException("Stub!"); }

    public interface OnSeekBarChangeListener {
        void onProgressChanged(SeekBar seekBar, int progress, boolean fromUser);
        void onStartTrackingTouch(SeekBar seekBar);
        void onStopTrackingTouch(SeekBar seekBar);
    }
}
