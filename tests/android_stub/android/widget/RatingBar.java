package android.widget;

import android.content.Context;

public class RatingBar extends AbsSeekBar {
    public RatingBar(Context context) { super(context); throw new RuntimeException("Stub!"); }

    public void setOnRatingBarChangeListener(RatingBar.OnRatingBarChangeListener listener) { throw new RuntimeException("Stub!"); }

    public interface OnRatingBarChangeListener {
        void onRatingChanged(RatingBar ratingBar, float rating, boolean fromUser);
    }
}
