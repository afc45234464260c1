package android.content;

import android.net.Uri;
import android.os.Bundle;

public class Intent {
    public static final String ACTION_BATTERY_CHANGED = "android.intent.action.BATTERY_CHANGED";
    public static final String ACTION_CALL = "android.intent.action.CALL";
    public static final String ACTION_DIAL = "android.intent.action.DIAL";
    public static final String ACTION_SEND = "android.intent.action.SEND";
    public static final String ACTION_VIEW = "android.intent.action.VIEW";
    public static final String EXTRA_EMAIL = "android.intent.extra.EMAIL";
    public static final String EXTRA_SUBJECT = "android.intent.extra.SUBJECT";
    public static final String EXTRA_TEXT = "android.intent.extra.TEXT";

    public Intent(String action) { throw new RuntimeException("Stub!"); }
    public Intent(String action, Uri uri) { throw new RuntimeException("Stub!"); }
    public Intent(Context packageContext, Class<?> cls) { throw new RuntimeException("Stub!"); }

    public static Intent createChooser(Intent target, CharSequence title) { throw new RuntimeException("Stub!"); }
    public Intent putExtra(String name, String value) { throw new RuntimeException("Stub!"); }
    public Intent putExtra(String name, String[] value) { throw new RuntimeException("Stub!"); }
    public Intent setType(String type) { throw new RuntimeException("Stub!"); }
    public int getIntExtra(String name, int defaultValue) { throw new RuntimeException("Stub!"); }
    public Bundle getExtras() { throw new RuntimeException("Stub!"); }
}
